#include "app/groups_model.h"

namespace tv::app {

GroupsModel::GroupsModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(
          cursor,
          {{"ABREVGRUP", 12, false}, {"CODGRUPO", 8, false}, {"ALIASDAE", 25, false}, {"NUMALUM", 10, true}},
          parent) {}

QString GroupsModel::Title(int column) const {
    switch (column) {
    case AbrevGrup:
        return tr("Grupo");
    case CodGrupo:
        return tr("Cód.GRUP.");
    case AliasDae:
        return tr("Grupo ALIAS DAE");
    case NumAlum:
        return tr("Núm.Alumnos");
    default:
        return {};
    }
}

} // namespace tv::app
