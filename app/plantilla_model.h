// The grid over PLANTILLA in the template check window: the period number,
// shown only, and its start and end time, which the user corrects.
#pragma once

#include "app/cursor_table_model.h"

namespace tv::app {

class PlantillaModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column { Hora, HoraIni, HoraFin, ColumnCount };

    explicit PlantillaModel(tables::Table& cursor, QObject* parent = nullptr);

  protected:
    QString Title(int column) const override;
};

} // namespace tv::app
