// The one-row grid over daeCENTRO: the centre's code, academic year and version.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"

#include <QtGlobal>

namespace tv::app {

class CentreModel : public CursorTableModel {
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "CODCENTRO",
         .title = QT_TRANSLATE_NOOP("CentreModel", "Código CENTRO"),
         .width = 6,
         .editable = true},
        {.field = "ANOACAD",
         .title = QT_TRANSLATE_NOOP("CentreModel", "Año Académico"),
         .width = 4,
         .editable = true},
        {.field = "VERSION",
         .title = QT_TRANSLATE_NOOP("CentreModel", "Versión"),
         .width = 5,
         .editable = true},
    };
    static constexpr int CodCentro = ColumnIndex(kColumns, "CODCENTRO");
    static constexpr int AnoAcad = ColumnIndex(kColumns, "ANOACAD");
    static constexpr int Version = ColumnIndex(kColumns, "VERSION");

    explicit CentreModel(tables::Table& cursor, QObject* parent = nullptr)
        : CursorTableModel(cursor, kColumns, "CentreModel", parent) {}
};

} // namespace tv::app
