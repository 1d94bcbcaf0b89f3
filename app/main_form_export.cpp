// The DAE -> Tablorix direction in the main window: the folder check, the
// centre-data, study-levels and template panels, and the transfer run. The
// work of each step is the core's; the window shows, asks and moves on.
#include "app/main_form.h"

#include "app/centre_model.h"
#include "app/centre_panel.h"
#include "app/direction_panel.h"
#include "app/folder_panel.h"
#include "app/levels_model.h"
#include "app/levels_panel.h"
#include "app/qt_text.h"
#include "app/table_grid.h"
#include "app/template_panel.h"
#include "app/templates_model.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/comprueba_abreviaturas.h"
#include "dae_to_tablorix/datos_nivel.h"
#include "dae_to_tablorix/final_recogida.h"
#include "dae_to_tablorix/level_tables.h"
#include "dae_to_tablorix/recoge_datos_dae.h"
#include "dae_to_tablorix/transfer_run.h"
#include "tables/file_names.h"
#include "tables/text.h"
#include "tablorix_schema/table_names.h"

#include <QLabel>
#include <QPushButton>

namespace tv::app {

using schema::kCentreTable;
using schema::kTemplatesTable;

void TMForm::BExportarClick() {
    RunHandler([&] {
        if (!FolderCheck(-1)) return;
        SetWaitCursor(true);
        values_.TransformResult = 1;
        // Reading the DAE files creates daeCENTRO anew: the panel's cursor lets go first.
        centreModel_->Close();
        Panel4->HideFolderChoice();
        auto context = Context();
        if (!dae_to_tablorix::RecogeDatosDAE(context)) {
            SetWaitCursor(false);
            return;
        }
        MuestraDatosCentro();
    });
}

void TMForm::MuestraDatosCentro() {
    RunHandler([&] {
        auto context = Context();
        if (!dae_to_tablorix::CentreTableExists(context)) {
            SetWaitCursor(false);
            return;
        }
        centreModel_->Open(Ktemp(), kCentreTable);
        centreModel_->First();
        SetWaitCursor(false);
        Panel1->show();
        Panel1->raise();
        // On an empty table this starts the row the user types the centre's data into.
        centreModel_->StartEdit();
        Panel1->Grid()->setFocus();
    });
}

void TMForm::BitBtn1Click() {
    RunHandler([&] {
        if (values_.WorkflowState == 0) return DatosNivel();
        // Tablorix -> DAE asked for the centre's data: all three must hold text.
        centreModel_->Open(Ktemp(), kCentreTable);
        centreModel_->First();
        // Going to the first row stores what was typed, the new row of an empty table too.
        centreModel_->PostEdit();
        bool complete = true;
        for (int column : {CentreModel::CodCentro, CentreModel::AnoAcad, CentreModel::Version})
            complete =
                complete && !TrimBoth(ToCp1252(centreModel_->CurrentText(column)).value_or("")).empty();
        if (!complete) return MuestraDatosCentro();
        values_.WorkflowState = 0;
        Panel1->hide();
        centreModel_->Close();
        Importar2();
    });
}

void TMForm::Button2Click() {
    values_.WorkflowState = 0;
    Panel2->hide();
    // The levels table stays open; what was typed is posted when the step is entered again.
    MuestraDatosCentro();
}

void TMForm::DatosNivel() {
    RunHandler([&] {
        centreModel_->PostEdit();
        centreModel_->Close();
        auto context = Context();
        if (!dae_to_tablorix::LevelsTableExists(context)) return;
        levelsModel_->Open(Ktemp(), dae_to_tablorix::kLevelsTable);
        levelsModel_->First();
        Panel1->hide();
        Panel2->show();
        Panel2->raise();
        // The recovery writes through its own cursor; the grid shows it as it goes.
        dae_to_tablorix::OfferLevelRecovery(context);
        levelsModel_->First();
        Panel2->Grid()->setFocus();
    });
}

void TMForm::wwDBGridNIVIMPEnter() {
    // Typing in the grid changes the row at once.
    if (levelsModel_->IsOpen()) levelsModel_->StartEdit();
}

void TMForm::FinalRecogida() {
    RunHandler([&] {
        levelsModel_->PostEdit();
        auto context = Context();
        // The check is run here first for the row it stops on; FinalRecogida repeats it silently.
        const auto check = dae_to_tablorix::CompruebaAbreviaturas(context);
        if (check.repeated) {
            levelsModel_->MoveToRecord(check.row.record);
            Panel2->Grid()->setFocus();
            return;
        }
        if (!dae_to_tablorix::FinalRecogida(context)) return;
        MuestraPlantillas();
    });
}

void TMForm::MuestraPlantillas() {
    Panel3->show();
    Panel3->raise();
    templatesModel_->Open(Ktemp(), kTemplatesTable);
    // On an empty table this starts a new, empty row.
    templatesModel_->StartEdit();
    Panel3->Grid()->setFocus();
}

void TMForm::BitBtn3Click() {
    RunHandler([&] {
        Panel3->OkButton()->hide();
        Panel3->WaitLabel()->show();
        Panel3->repaint();
        if (!tables::FileExistsNoCase(Ktemp(), std::string(kTemplatesTable) + ".DBF")) return;
        SetWaitCursor(true);
        const std::string chosenCode = wwTablePlantillas.Active() ? wwTablePlantillas.AsString("CODIGO") : "";
        templatesModel_->Close(); // a pending edit of the chosen row is discarded
        auto context = Context();
        const auto outcome = dae_to_tablorix::TransferRun(context, chosenCode, [&] {
            levelsModel_->Close();
            SetWaitCursor(false);
            Panel2->BackButton()->hide();
            Panel2->AcceptButton()->hide();
            Panel3->repaint();
        });
        SetWaitCursor(false);
        if (outcome == dae_to_tablorix::TransferOutcome::Finished) EndTransferRun();
    });
}

void TMForm::EndTransferRun() {
    // One run per start of the program.
    Draw3D2->OkButton()->setEnabled(false);
    Draw3D3->OkButton()->setEnabled(false);
    Panel2->hide();
    Panel4->raise();
    if (mode_.Launched()) close();
}

} // namespace tv::app
