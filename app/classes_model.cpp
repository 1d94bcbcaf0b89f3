#include "app/classes_model.h"

#include "app/qt_text.h"

namespace tv::app {

ClassesModel::ClassesModel(tables::Table& cursor, QObject* parent)
    : CursorTableModel(cursor, kColumns, "ClassesModel", parent) {}

tablorix_to_dae::LectiveEditing ClassesModel::LectiveOf(int row) const {
    return tablorix_to_dae::LectiveRule(
        ToCp1252(index(row, CodAsig).data().toString()).value_or(std::string()));
}

bool ClassesModel::Editable(int row, int column) const {
    if (column == CodAsig) return LectiveOf(row).subjectEditable;
    if (column == TipActiv) return LectiveOf(row).activityEditable;
    return CursorTableModel::Editable(row, column);
}

} // namespace tv::app
