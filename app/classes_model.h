// The type-2 grid of the codification window over CUADROH2: the current
// teacher's classes, with the DAE codes the user completes. Whether the
// subject code or the activity of a line may be edited follows the lective
// rule on that line, which is the current one whenever the user can edit.
#pragma once

#include "app/cursor_table_model.h"
#include "app/grid_column.h"
#include "tablorix_to_dae/codification_rules.h"

#include <QtGlobal>

namespace tv::app {

class ClassesModel : public CursorTableModel {
    Q_OBJECT
  public:
    static constexpr GridColumn kColumns[] = {
        {.field = "ABREVPROF",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "Profe."),
         .width = 12,
         .fixed = true},
        {.field = "DIASEM", .title = QT_TRANSLATE_NOOP("ClassesModel", "Día"), .width = 3, .fixed = true},
        {.field = "NUMSESION",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "Sesión"),
         .width = 6,
         .fixed = true},
        {.field = "HORAINI", .title = QT_TRANSLATE_NOOP("ClassesModel", "H.INI."), .width = 6, .fixed = true},
        {.field = "HORAFIN", .title = QT_TRANSLATE_NOOP("ClassesModel", "H. FIN"), .width = 6, .fixed = true},
        {.field = "ABREVASIG",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "Asignatura"),
         .width = 10,
         .fixed = true},
        {.field = "NOMASIG",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "Nombre ASIGNATURA"),
         .width = 34,
         .fixed = true},
        {.field = "CODASIG",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "Cód.ASIG"),
         .width = 9,
         .editable = true},
        {.field = "TIPTAR",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "TAREA"),
         .width = 6,
         .editable = true},
        {.field = "GRUPNIV",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "NIVEL"),
         .width = 8,
         .editable = true},
        {.field = "IDIOMA",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "IDIOMA"),
         .width = 7,
         .editable = true},
        {.field = "TIP_ACTIV",
         .title = QT_TRANSLATE_NOOP("ClassesModel", "ACTIV."),
         .width = 6,
         .editable = true},
        {.field = "PLAN", .title = QT_TRANSLATE_NOOP("ClassesModel", "PLAN"), .width = 4, .editable = true},
    };
    static constexpr int AbrevProf = ColumnIndex(kColumns, "ABREVPROF");
    static constexpr int DiaSem = ColumnIndex(kColumns, "DIASEM");
    static constexpr int NumSesion = ColumnIndex(kColumns, "NUMSESION");
    static constexpr int HoraIni = ColumnIndex(kColumns, "HORAINI");
    static constexpr int HoraFin = ColumnIndex(kColumns, "HORAFIN");
    static constexpr int AbrevAsig = ColumnIndex(kColumns, "ABREVASIG");
    static constexpr int NomAsig = ColumnIndex(kColumns, "NOMASIG");
    static constexpr int CodAsig = ColumnIndex(kColumns, "CODASIG");
    static constexpr int TipTar = ColumnIndex(kColumns, "TIPTAR");
    static constexpr int GrupNiv = ColumnIndex(kColumns, "GRUPNIV");
    static constexpr int Idioma = ColumnIndex(kColumns, "IDIOMA");
    static constexpr int TipActiv = ColumnIndex(kColumns, "TIP_ACTIV");
    static constexpr int Plan = ColumnIndex(kColumns, "PLAN");

    explicit ClassesModel(tables::Table& cursor, QObject* parent = nullptr);

    // The lective rule on the line of `row`.
    tablorix_to_dae::LectiveEditing LectiveOf(int row) const;

  protected:
    bool Editable(int row, int column) const override;
};

} // namespace tv::app
