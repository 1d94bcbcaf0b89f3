// The one-row grid over daeCENTRO: the centre's code, academic year and version.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class CentreModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { CodCentro, AnoAcad, Version, ColumnCount };

    explicit CentreModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app
