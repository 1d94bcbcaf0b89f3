// The type-2 grid of the codification window over CUADROH2: the current
// teacher's classes, with the DAE codes the user completes. Whether the
// subject code or the activity of a line may be edited follows the lective
// rule on that line, which is the current one whenever the user can edit.
#pragma once

#include "app/cursor_table_model.h"
#include "tablorix_to_dae/codification_rules.h"

namespace tv::app {

class ClassesModel : public CursorTableModel {
    Q_OBJECT
  public:
    enum Column {
        AbrevProf,
        DiaSem,
        NumSesion,
        HoraIni,
        HoraFin,
        AbrevAsig,
        NomAsig,
        CodAsig,
        TipTar,
        GrupNiv,
        Idioma,
        TipActiv,
        Plan,
        ColumnCount
    };
    static constexpr int kFixedColumns = 7;

    explicit ClassesModel(tables::Table& cursor, QObject* parent = nullptr);

    // The lective rule on the line of `row`.
    tablorix_to_dae::LectiveEditing LectiveOf(int row) const;

  protected:
    QString Title(int column) const override;
    bool Editable(int row, int column) const override;
};

} // namespace tv::app
