#include "app/levels_model.h"

namespace tv::app {

LevelsModel::LevelsModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor,
                       {{"COD", 5, false},
                        {"DESCCASTR", 22, false},
                        {"ABREVCAST", 5, true},
                        {"DESCEUSKR", 22, false},
                        {"ABREVEUSK", 5, true}},
                       parent) {}

QString LevelsModel::Title(int column) const {
    switch (column) {
    case Cod:
        return tr("COD");
    case DescCastR:
        return tr("DESCCASTELLANO");
    case AbrevCast:
        return tr("ABREVCAST");
    case DescEuskR:
        return tr("DESCEUSKERA");
    case AbrevEusk:
        return tr("ABREVEUSK");
    default:
        return {};
    }
}

} // namespace tv::app
