#include "app/plantilla_model.h"

namespace tv::app {

PlantillaModel::PlantillaModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor, {{"HORA", 7, false}, {"HORAINI", 20, true}, {"HORAFIN", 19, true}}, parent) {}

QString PlantillaModel::Title(int column) const {
    switch (column) {
    case Hora:
        return tr("HORA");
    case HoraIni:
        return tr("HORA INICIO CLASE");
    case HoraFin:
        return tr("HORA FINAL CLASE");
    default:
        return {};
    }
}

} // namespace tv::app
