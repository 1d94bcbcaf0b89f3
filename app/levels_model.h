// The grid over daeNIVIMP: the centre's study levels, with their two
// abbreviation columns open to typing.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class LevelsModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "COD", .title = QT_TRANSLATE_NOOP("LevelsModel", "COD"), .width = 5, .fixed = true},
        {.field = "DESCCASTR", .title = QT_TRANSLATE_NOOP("LevelsModel", "DESCCASTELLANO"), .width = 22},
        {.field = "ABREVCAST",
         .title = QT_TRANSLATE_NOOP("LevelsModel", "ABREVCAST"),
         .width = 5,
         .editable = true},
        {.field = "DESCEUSKR", .title = QT_TRANSLATE_NOOP("LevelsModel", "DESCEUSKERA"), .width = 22},
        {.field = "ABREVEUSK",
         .title = QT_TRANSLATE_NOOP("LevelsModel", "ABREVEUSK"),
         .width = 5,
         .editable = true},
    };
    static constexpr int Cod = ColumnIndex(kColumns, "COD");
    static constexpr int DescCastR = ColumnIndex(kColumns, "DESCCASTR");
    static constexpr int AbrevCast = ColumnIndex(kColumns, "ABREVCAST");
    static constexpr int DescEuskR = ColumnIndex(kColumns, "DESCEUSKR");
    static constexpr int AbrevEusk = ColumnIndex(kColumns, "ABREVEUSK");

    explicit LevelsModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "LevelsModel", parent) {}
};

} // namespace tv::app
