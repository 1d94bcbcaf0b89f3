// The grid over PLANTILLA in the template check window: the period number,
// shown only, and its start and end time, which the user corrects.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class PlantillaModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "HORA", .title = QT_TRANSLATE_NOOP("PlantillaModel", "HORA"), .width = 7},
        {.field = "HORAINI",
         .title = QT_TRANSLATE_NOOP("PlantillaModel", "HORA INICIO CLASE"),
         .width = 20,
         .editable = true},
        {.field = "HORAFIN",
         .title = QT_TRANSLATE_NOOP("PlantillaModel", "HORA FINAL CLASE"),
         .width = 19,
         .editable = true},
    };
    static constexpr int Hora = ColumnIndex(kColumns, "HORA");
    static constexpr int HoraIni = ColumnIndex(kColumns, "HORAINI");
    static constexpr int HoraFin = ColumnIndex(kColumns, "HORAFIN");

    explicit PlantillaModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "PlantillaModel", parent) {}
};

} // namespace tv::app
