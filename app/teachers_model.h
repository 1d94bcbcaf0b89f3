// The teachers grid of the codification window over PROFT: who each teacher
// is, shown only, and the identity document the user completes.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class TeachersModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "ABREV",
         .title = QT_TRANSLATE_NOOP("TeachersModel", "Profesor"),
         .width = 12,
         .fixed = true},
        {.field = "NOMBRE",
         .title = QT_TRANSLATE_NOOP("TeachersModel", "Nombre"),
         .width = 50,
         .fixed = true},
        {.field = "DEPART",
         .title = QT_TRANSLATE_NOOP("TeachersModel", "Departamento"),
         .width = 32,
         .fixed = true},
        {.field = "TIPODNI",
         .title = QT_TRANSLATE_NOOP("TeachersModel", "TipoDOC"),
         .width = 8,
         .editable = true},
        {.field = "DNI",
         .title = QT_TRANSLATE_NOOP("TeachersModel", "DOCUMENTO D.N.I."),
         .width = 15,
         .editable = true},
    };
    static constexpr int Abrev = ColumnIndex(kColumns, "ABREV");
    static constexpr int Nombre = ColumnIndex(kColumns, "NOMBRE");
    static constexpr int Depart = ColumnIndex(kColumns, "DEPART");
    static constexpr int TipoDni = ColumnIndex(kColumns, "TIPODNI");
    static constexpr int Dni = ColumnIndex(kColumns, "DNI");

    explicit TeachersModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "TeachersModel", parent) {}
};

} // namespace tv::app
