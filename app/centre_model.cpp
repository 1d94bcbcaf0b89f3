#include "app/centre_model.h"

namespace tv::app {

CentreModel::CentreModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor, {{"CODCENTRO", 6, true}, {"ANOACAD", 4, true}, {"VERSION", 5, true}}, parent) {
}

QString CentreModel::Title(int column) const {
    switch (column) {
    case CodCentro:
        return tr("Código CENTRO");
    case AnoAcad:
        return tr("Año Académico");
    case Version:
        return tr("Versión");
    default:
        return {};
    }
}

} // namespace tv::app
