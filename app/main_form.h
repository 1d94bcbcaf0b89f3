// The main window: the two directions of the transfer, the folder of the DAE
// files, and the DAE -> Tablorix steps in panels that open one after another
// (centre data, study levels, template choice). In launched mode it shows one
// direction only, closes itself when that direction ends, and leaves the
// outcome in Tablorix.ini when it closes.
#pragma once

#include "app/gui_prompt.h"
#include "app/launch_mode.h"
#include "common/workflow_values.h"
#include "dae_to_tablorix/export_context.h"
#include "tables/table.h"
#include "tablorix_to_dae/import_context.h"

#include <QString>
#include <QWidget>

#include <filesystem>
#include <functional>

namespace tv::app {

class CentreModel;
class CentrePanel;
class DirectionPanel;
class FolderPanel;
class LevelsModel;
class LevelsPanel;
class TemplatePanel;
class TemplatesModel;

class TMForm : public QWidget {
    Q_OBJECT
  public:
    // `arguments` without the program's name; `resultFolder` is where
    // Tablorix.ini lives (the executable's folder).
    TMForm(const QStringList& arguments, const QString& resultFolder, QWidget* parent = nullptr);
    ~TMForm() override;

    const WorkflowValues& Values() const { return values_; }
    QString DirTxt() const { return dirTxt_; }

    // ----- handlers ---------------------------------------------------------
    void BCloseClick();
    void Button1Click();
    void BExportarClick();
    void BImportarClick();
    void MuestraDatosCentro();
    void BitBtn1Click();
    void Button2Click();
    void DatosNivel();
    void wwDBGridNIVIMPEnter();
    void FinalRecogida();
    void MuestraPlantillas();
    void BitBtn3Click();
    void PlantillaCentro();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate(const QStringList& arguments);
    void FormClose();
    void BuildPanels();
    void ConnectHandlers();
    void PlaceOnScreen();
    bool FolderCheck(int launchedResult);
    void EndTransferRun();
    void Importar2();
    tablorix_to_dae::ImportContext ImportingContext();
    void ShowHelpAtFocus();
    dae_to_tablorix::ExportContext Context();
    std::filesystem::path Ktemp() const;
    void RunHandler(const std::function<void()>& step);
    void ShowError(const QString& message);
    void SetWaitCursor(bool on);

    LaunchMode mode_;
    WorkflowValues values_;
    QString resultFolder_;
    QString dirTxt_;
    GuiPrompt prompt_;
    bool waiting_ = false;

    // The table components of the window (the steps open their own cursors too).
    tables::Table wwTableCentro;
    tables::Table wwTableNIVIMP;
    tables::Table wwTablePlantillas;

    CentreModel* centreModel_ = nullptr;
    LevelsModel* levelsModel_ = nullptr;
    TemplatesModel* templatesModel_ = nullptr;

    DirectionPanel* Draw3D2 = nullptr;
    DirectionPanel* Draw3D3 = nullptr;
    FolderPanel* Panel4 = nullptr;
    CentrePanel* Panel1 = nullptr;
    LevelsPanel* Panel2 = nullptr;
    TemplatePanel* Panel3 = nullptr;
};

} // namespace tv::app
