// AjustaDAE, the codification window: the user completes each teacher's
// identity document and the DAE codes of the timetable records, then
// "&Terminar" writes fCUADROS.txt. The window is a thin layer over the
// codification's cursors and rules: the grids are models over the cursors,
// the handlers call the rules on the grids' events.
#pragma once

#include "app/gui_prompt.h"
#include "tablorix_to_dae/codification_rules.h"
#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/import_context.h"
#include "tablorix_to_dae/timetable_finding.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;

namespace tv::app {

class ClassesModel;
class CodificationExtras;
class FindingsDialog;
class GroupsModel;
class LookupDelegate;
class LookupList;
class TableGrid;
class TeachersModel;

class TAjustaDAE : public QDialog {
    Q_OBJECT
  public:
    // Opens the window's tables (FormCreate); an error of the table store
    // propagates and the window does not open.
    TAjustaDAE(tablorix_to_dae::ImportContext& context, QWidget* parent = nullptr);
    ~TAjustaDAE() override;

    TableGrid* TeachersGrid() const { return wwDBGridPROFT; }
    TableGrid* ClassesGrid() const { return DBGridCUADROH2; }
    TableGrid* GroupsGrid() const { return wwDBGridCUADROH3; }
    QPushButton* TerminarButton() const { return BitBtn1; }
    QPushButton* ComprobarButton() const { return BComprobar; }
    FindingsDialog* Findings() const { return findings_; } // null until a check showed findings

    // ----- handlers ---------------------------------------------------------
    void wwDBGridPROFTColExit();
    void wwDBGridPROFTFieldChanged(int column);
    void DBGridCUADROH2ColEnter();
    void DBGridCUADROH2RowChanged();
    void ReadOnlyListEntered(const QModelIndex& index);
    void wwDBLookupCombodaeASIGNATExit();
    void wwDBLookupCombodaeGRUPNIVExit();
    void BitBtn1Click();
    // The check of the timetable file (ajusta_dae_check.cpp).
    void BComprobarClick();
    void GoToFinding(const tablorix_to_dae::Finding& finding);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FormCreate();
    void LayOut();
    void BuildHeader();
    void BuildGrids();
    void BuildLookupLists();
    void ConnectHandlers();
    void TeacherChanged();
    void ListLeft(const QModelIndex& index);
    void ShowError(const QString& message);
    void BuildCheck();
    void PostGridEdits();
    void ShowFindings(std::vector<tablorix_to_dae::Finding> findings);
    // Asked by "&Terminar" before writing: true to write.
    bool CheckBeforeWriting();

    tablorix_to_dae::ImportContext& context_;
    GuiPrompt prompt_{this}; // the question of "&Terminar" over this window
    tablorix_to_dae::CodificationTables tables_;
    std::vector<std::unique_ptr<LookupList>> lists_;
    // The lective rule as last applied on entering CODASIG or TIP_ACTIV.
    tablorix_to_dae::LectiveEditing lective_;

    TeachersModel* teachersModel_ = nullptr;
    ClassesModel* classesModel_ = nullptr;
    GroupsModel* groupsModel_ = nullptr;
    LookupDelegate* teachersLookups_ = nullptr;
    LookupDelegate* classesLookups_ = nullptr;
    LookupList* subjectList_ = nullptr;
    LookupList* levelList_ = nullptr;

    QLineEdit* centreFields_[3] = {};
    QLabel* instructions_ = nullptr;
    std::array<QLabel*, 2> classesHeading_{};
    std::array<QLabel*, 2> groupsHeading_{};
    TableGrid* wwDBGridPROFT = nullptr;
    TableGrid* DBGridCUADROH2 = nullptr;
    TableGrid* wwDBGridCUADROH3 = nullptr;
    CodificationExtras* extras_ = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BComprobar = nullptr;
    FindingsDialog* findings_ = nullptr;
};

} // namespace tv::app
