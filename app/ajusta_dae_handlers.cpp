// The codification window's handlers: the lective rule, the lists' exit
// rules, the document copy and "&Terminar". Each calls the core's rule; the
// grids show what the rule changed by themselves (they listen to their cursors).
#include "app/ajusta_dae.h"

#include "app/classes_model.h"
#include "app/codification_extras.h"
#include "app/groups_model.h"
#include "app/lookup_delegate.h"
#include "app/lookup_list.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/table_grid.h"
#include "app/teachers_model.h"
#include "tablorix_to_dae/codification_rules.h"

#include <QItemSelectionModel>
#include <QPushButton>

#include <exception>

namespace tv::app {

namespace t2d = tablorix_to_dae;

void TAjustaDAE::ConnectHandlers() {
    connect(wwDBGridPROFT->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                const bool documentColumn =
                    previous.column() == TeachersModel::TipoDni || previous.column() == TeachersModel::Dni;
                if (current.row() == previous.row() && current.column() != previous.column() &&
                    documentColumn)
                    wwDBGridPROFTColExit();
                if (current.row() != previous.row()) TeacherChanged();
            });
    connect(teachersModel_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft) { wwDBGridPROFTFieldChanged(topLeft.column()); });
    connect(DBGridCUADROH2->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (current.row() != previous.row())
                    DBGridCUADROH2RowChanged();
                else if (current.column() != previous.column())
                    DBGridCUADROH2ColEnter();
                else
                    return;
                // The user went into a cell with a list: a read-only one says why at once.
                // A click on the fixed columns chooses the line and enters no list.
                if (DBGridCUADROH2->hasFocus() && previous.column() >= DBGridCUADROH2->FixedColumns())
                    ReadOnlyListEntered(current);
            });
    connect(DBGridCUADROH2, &TableGrid::editRefused, this, &TAjustaDAE::ReadOnlyListEntered);
    connect(classesLookups_, &LookupDelegate::listLeft, this, &TAjustaDAE::ListLeft);
    connect(BitBtn1, &QPushButton::clicked, this, &TAjustaDAE::BitBtn1Click);
    for (CursorTableModel* model :
         {static_cast<CursorTableModel*>(teachersModel_), static_cast<CursorTableModel*>(classesModel_),
          static_cast<CursorTableModel*>(groupsModel_)}) {
        connect(model, &CursorTableModel::failed, this, &TAjustaDAE::ShowError);
        connect(model, &QAbstractItemModel::dataChanged, extras_, &CodificationExtras::Refresh);
        connect(model, &CursorTableModel::posted, extras_, &CodificationExtras::Refresh);
    }
}

void TAjustaDAE::TeacherChanged() {
    // The detail grids followed the teacher's cursor; the count and the week follow the teacher.
    extras_->Refresh();
}

void TAjustaDAE::wwDBGridPROFTColExit() {
    try {
        classesModel_->PostEdit();
        groupsModel_->PostEdit();
        t2d::CopyDocumentToTeacherRecords(tables_);
    } catch (const std::exception& error) {
        ShowError(FromCp1252(error.what()));
    }
}

void TAjustaDAE::wwDBGridPROFTFieldChanged(int column) {
    if (column == TeachersModel::TipoDni || column == TeachersModel::Dni) wwDBGridPROFTColExit();
}

void TAjustaDAE::DBGridCUADROH2ColEnter() {
    const QModelIndex current = DBGridCUADROH2->currentIndex();
    if (!current.isValid()) return;
    // The model asks the rule of each line for its flags; the window keeps
    // what was applied for the lists' messages and exit rules.
    if (const auto editing = t2d::ApplyLective(classesModel_->Field(current.column()), tables_.classes))
        lective_ = *editing;
}

void TAjustaDAE::DBGridCUADROH2RowChanged() {
    // The groups grid followed the class (its cursor stored the groups' edit as it moved).
    DBGridCUADROH2ColEnter();
}

void TAjustaDAE::ReadOnlyListEntered(const QModelIndex& index) {
    const auto list = index.column() == ClassesModel::CodAsig    ? t2d::CodeList::Subject
                      : index.column() == ClassesModel::TipActiv ? t2d::CodeList::Activity
                                                                 : std::optional<t2d::CodeList>();
    if (!list) return;
    if (const auto message = t2d::ReadOnlyListMessage(*list, lective_))
        MessageBoxes::Information(this, FromCp1252(*message));
}

void TAjustaDAE::ListLeft(const QModelIndex& index) {
    if (index.column() == ClassesModel::CodAsig) wwDBLookupCombodaeASIGNATExit();
    if (index.column() == ClassesModel::GrupNiv) wwDBLookupCombodaeGRUPNIVExit();
}

void TAjustaDAE::wwDBLookupCombodaeASIGNATExit() {
    // The list stands on the entry of the record's code; a code outside the
    // catalogue names no entry, and the name stays.
    if (!subjectList_->PositionOn(classesModel_->CurrentText(ClassesModel::CodAsig))) return;
    t2d::FillNameFromSubject(tables_.classes, tables_.subjects, !lective_.subjectEditable);
}

void TAjustaDAE::wwDBLookupCombodaeGRUPNIVExit() {
    const QString level = classesModel_->CurrentText(ClassesModel::GrupNiv);
    if (!level.trimmed().isEmpty() && !levelList_->PositionOn(level)) return;
    t2d::FillPlanFromLevel(tables_.classes, tables_.levels);
}

void TAjustaDAE::BitBtn1Click() {
    try {
        for (TableGrid* grid : {wwDBGridPROFT, DBGridCUADROH2, wwDBGridCUADROH3})
            grid->CommitEdit();
        classesModel_->PostEdit();
        groupsModel_->PostEdit();
        t2d::ImportContext here{prompt_,         context_.state,     context_.ktemp,
                                context_.dirTxt, context_.daeFolder, context_.codificationStatus};
        const auto outcome = t2d::Terminar(here, tables_, [this] { return CheckBeforeWriting(); });
        context_.codificationStatus = here.codificationStatus;
        if (outcome != t2d::TerminarOutcome::Closed) {
            // The window stays: on the teacher who lacks a document, or, the
            // file not written (its message shown), for another "&Terminar".
            extras_->Refresh();
            wwDBGridPROFT->setFocus();
            return;
        }
    } catch (const std::exception& error) {
        ShowError(FromCp1252(error.what()));
        return;
    }
    accept();
}

void TAjustaDAE::ShowError(const QString& message) {
    MessageBoxes::Error(this, message);
}

} // namespace tv::app
