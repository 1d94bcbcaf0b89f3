#include "app/templates_model.h"

namespace tv::app {

TemplatesModel::TemplatesModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor, {{"CODIGO", 9, false}, {"PLANTILLA", 50, false}}, parent) {}

QString TemplatesModel::Title(int column) const {
    switch (column) {
    case Codigo:
        return tr("CODIGO");
    case Plantilla:
        return tr("PLANTILLA");
    default:
        return {};
    }
}

} // namespace tv::app
