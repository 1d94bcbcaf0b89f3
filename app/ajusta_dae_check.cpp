// The codification window's check of the timetable file: "Comprobar" shows
// what the check finds, "&Terminar" asks before writing a file with blocking
// findings, and a double-click on a finding goes to its teacher, class and
// group in the three grids.
#include "app/ajusta_dae.h"

#include "app/classes_model.h"
#include "app/findings_dialog.h"
#include "app/groups_model.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/table_grid.h"
#include "app/teachers_model.h"
#include "tablorix_to_dae/timetable_check.h"

#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace tv::app {

namespace t2d = tablorix_to_dae;

namespace {

// The first row whose cells in `columns` show `texts` (trailing blanks aside); -1 when none.
int RowShowing(const CursorTableModel& model, std::initializer_list<std::pair<int, QString>> cells) {
    for (int row = 0; row < model.rowCount(); ++row) {
        const bool all = std::all_of(cells.begin(), cells.end(), [&](const auto& cell) {
            return model.index(row, cell.first).data().toString().left(10).trimmed() == cell.second.trimmed();
        });
        if (all) return row;
    }
    return -1;
}

int ClassColumnOf(t2d::FindingKind kind) {
    switch (kind) {
    case t2d::FindingKind::ActivityWithoutType:
    case t2d::FindingKind::ActivityNotInCatalogue:
        return ClassesModel::TipActiv;
    default:
        return ClassesModel::CodAsig;
    }
}

} // namespace

void TAjustaDAE::BuildCheck() {
    BComprobar =
        new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), tr("&Comprobar"), this);
    BComprobar->setObjectName(QStringLiteral("BComprobar"));
    BComprobar->setToolTip(tr("Comprueba fCUADROS.txt antes de enviarlo: errores que DAE no puede aceptar y "
                              "avisos de probables equivocaciones"));
    BComprobar->setGeometry(589, 460, 120, 30);
    connect(BComprobar, &QPushButton::clicked, this, &TAjustaDAE::BComprobarClick);
}

void TAjustaDAE::PostGridEdits() {
    for (TableGrid* grid : {wwDBGridPROFT, DBGridCUADROH2, wwDBGridCUADROH3})
        grid->CommitEdit();
    teachersModel_->PostEdit();
    classesModel_->PostEdit();
    groupsModel_->PostEdit();
}

void TAjustaDAE::ShowFindings(std::vector<t2d::Finding> findings) {
    if (!findings_) {
        findings_ = new FindingsDialog(this);
        findings_->move(frameGeometry().left(), frameGeometry().bottom() + 1);
        connect(findings_, &FindingsDialog::findingChosen, this, &TAjustaDAE::GoToFinding);
    }
    findings_->Show(std::move(findings));
}

void TAjustaDAE::BComprobarClick() {
    try {
        PostGridEdits();
        ShowFindings(t2d::CheckTimetable(tables_, context_.ktemp));
    } catch (const std::exception& error) {
        ShowError(FromCp1252(error.what()));
    }
}

bool TAjustaDAE::CheckBeforeWriting() {
    std::vector<t2d::Finding> findings = t2d::CheckTimetable(tables_, context_.ktemp);
    const std::size_t errors = t2d::CountOf(findings, t2d::Severity::Blocking);
    if (errors == 0) return true; // warnings alone never stop the file
    const t2d::Finding first = *std::find_if(findings.begin(), findings.end(), [](const t2d::Finding& f) {
        return f.severity == t2d::Severity::Blocking;
    });
    ShowFindings(std::move(findings));
    const QString question =
        (errors == 1 ? tr("La comprobación ha encontrado 1 error que DAE no puede aceptar (vea la lista).")
                     : tr("La comprobación ha encontrado %1 errores que DAE no puede aceptar (vea la lista).")
                           .arg(errors)) +
        QStringLiteral("\n") + tr("¿Desea escribir fCUADROS.txt de todos modos?");
    if (MessageBoxes::QuestionDefaultNo(this, question)) return true;
    // Back to editing, on the first error once "&Terminar" has shown the grids again.
    QTimer::singleShot(0, this, [this, first] { GoToFinding(first); });
    return false;
}

void TAjustaDAE::GoToFinding(const t2d::Finding& finding) {
    if (finding.teacher.empty()) return; // the centre's data are not edited here
    const int teacher = RowShowing(*teachersModel_, {{TeachersModel::Abrev, FromCp1252(finding.teacher)}});
    if (teacher < 0) return;
    wwDBGridPROFT->setCurrentIndex(teachersModel_->index(teacher, TeachersModel::TipoDni));
    TableGrid* target = wwDBGridPROFT;
    if (finding.classKey.size() >= 13) {
        const QString day = FromCp1252(finding.classKey.substr(10, 1));
        const QString period = FromCp1252(finding.classKey.substr(11, 2));
        const int lesson =
            RowShowing(*classesModel_, {{ClassesModel::DiaSem, day}, {ClassesModel::NumSesion, period}});
        if (lesson >= 0) {
            DBGridCUADROH2->setCurrentIndex(classesModel_->index(lesson, ClassColumnOf(finding.kind)));
            target = DBGridCUADROH2;
            const int group =
                finding.group.empty()
                    ? -1
                    : RowShowing(*groupsModel_, {{GroupsModel::AbrevGrup, FromCp1252(finding.group)}});
            if (group >= 0) {
                wwDBGridCUADROH3->setCurrentIndex(groupsModel_->index(group, GroupsModel::NumAlum));
                target = wwDBGridCUADROH3;
            }
        }
    }
    activateWindow();
    target->setFocus();
}

} // namespace tv::app
