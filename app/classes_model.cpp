#include "app/classes_model.h"

#include "app/qt_text.h"

namespace tv::app {

ClassesModel::ClassesModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor,
                       {{"ABREVPROF", 12, false},
                        {"DIASEM", 3, false},
                        {"NUMSESION", 6, false},
                        {"HORAINI", 6, false},
                        {"HORAFIN", 6, false},
                        {"ABREVASIG", 10, false},
                        {"NOMASIG", 34, false},
                        {"CODASIG", 9, true},
                        {"TIPTAR", 6, true},
                        {"GRUPNIV", 8, true},
                        {"IDIOMA", 7, true},
                        {"TIP_ACTIV", 6, true},
                        {"PLAN", 4, true}},
                       parent) {}

tablorix_to_dae::LectiveEditing ClassesModel::LectiveOf(int row) const {
    return tablorix_to_dae::LectiveRule(
        ToCp1252(index(row, CodAsig).data().toString()).value_or(std::string()));
}

bool ClassesModel::Editable(int row, int column) const {
    if (column == CodAsig) return LectiveOf(row).subjectEditable;
    if (column == TipActiv) return LectiveOf(row).activityEditable;
    return CursorTableModel::Editable(row, column);
}

QString ClassesModel::Title(int column) const {
    switch (column) {
    case AbrevProf:
        return tr("Profe.");
    case DiaSem:
        return tr("Día");
    case NumSesion:
        return tr("Sesión");
    case HoraIni:
        return tr("H.INI.");
    case HoraFin:
        return tr("H. FIN");
    case AbrevAsig:
        return tr("Asignatura");
    case NomAsig:
        return tr("Nombre ASIGNATURA");
    case CodAsig:
        return tr("Cód.ASIG");
    case TipTar:
        return tr("TAREA");
    case GrupNiv:
        return tr("NIVEL");
    case Idioma:
        return tr("IDIOMA");
    case TipActiv:
        return tr("ACTIV.");
    case Plan:
        return tr("PLAN");
    default:
        return {};
    }
}

} // namespace tv::app
