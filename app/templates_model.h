// The grid over daePLANTILLAS: the centre's day/hour templates; the current
// row is the one the transfer run turns into DIASHORAST.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class TemplatesModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { Codigo, Plantilla, ColumnCount };

    explicit TemplatesModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app
