// The grid over daePLANTILLAS: the centre's day/hour templates; the current
// row is the one the transfer run turns into DIASHORAST.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class TemplatesModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "CODIGO", .title = QT_TRANSLATE_NOOP("TemplatesModel", "CODIGO"), .width = 9},
        {.field = "PLANTILLA", .title = QT_TRANSLATE_NOOP("TemplatesModel", "PLANTILLA"), .width = 50},
    };
    static constexpr int Codigo = ColumnIndex(kColumns, "CODIGO");
    static constexpr int Plantilla = ColumnIndex(kColumns, "PLANTILLA");

    explicit TemplatesModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "TemplatesModel", parent) {}
};

} // namespace tv::app
