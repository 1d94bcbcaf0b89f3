#include "app/teachers_model.h"

namespace tv::app {

TeachersModel::TeachersModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor,
                       {{"ABREV", 12, false},
                        {"NOMBRE", 50, false},
                        {"DEPART", 32, false},
                        {"TIPODNI", 8, true},
                        {"DNI", 15, true}},
                       parent) {}

QString TeachersModel::Title(int column) const {
    switch (column) {
    case Abrev:
        return tr("Profesor");
    case Nombre:
        return tr("Nombre");
    case Depart:
        return tr("Departamento");
    case TipoDni:
        return tr("TipoDOC");
    case Dni:
        return tr("DOCUMENTO D.N.I.");
    default:
        return {};
    }
}

} // namespace tv::app
