// The type-3 grid of the codification window over CUADROH3: the groups of
// the current class and the number of their pupils, which the user may type.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class GroupsModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "ABREVGRUP",
         .title = QT_TRANSLATE_NOOP("GroupsModel", "Grupo"),
         .width = 12,
         .fixed = true},
        {.field = "CODGRUPO",
         .title = QT_TRANSLATE_NOOP("GroupsModel", "Cód.GRUP."),
         .width = 8,
         .fixed = true},
        {.field = "ALIASDAE",
         .title = QT_TRANSLATE_NOOP("GroupsModel", "Grupo ALIAS DAE"),
         .width = 25,
         .fixed = true},
        {.field = "NUMALUM",
         .title = QT_TRANSLATE_NOOP("GroupsModel", "Núm.Alumnos"),
         .width = 10,
         .editable = true},
    };
    static constexpr int AbrevGrup = ColumnIndex(kColumns, "ABREVGRUP");
    static constexpr int CodGrupo = ColumnIndex(kColumns, "CODGRUPO");
    static constexpr int AliasDae = ColumnIndex(kColumns, "ALIASDAE");
    static constexpr int NumAlum = ColumnIndex(kColumns, "NUMALUM");

    explicit GroupsModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "GroupsModel", parent) {}
};

} // namespace tv::app
