// The type-2 grid of the codification window over CUADROH2: the current
// teacher's classes, with the DAE codes the user completes. Whether the
// subject code or the activity may be edited follows the lective rule.
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

    void SetLective(const tablorix_to_dae::LectiveEditing& editing);
    const tablorix_to_dae::LectiveEditing& Lective() const { return lective_; }

  protected:
    QString Title(int column) const override;
    bool Editable(int column) const override;

  private:
    tablorix_to_dae::LectiveEditing lective_;
};

} // namespace tv::app
