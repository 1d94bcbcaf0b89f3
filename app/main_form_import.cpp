// The Tablorix -> DAE direction in the main window: the folder check, the
// template check window, the centre panel when the centre's data are
// missing, the extraction's questions and the codification window. The work
// of each step is the core's; the window shows, asks and moves on.
#include "app/ajusta_dae.h"
#include "app/control_plantilla.h"
#include "app/file_paths.h"
#include "app/main_form.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/importar2.h"
#include "tablorix_to_dae/plantilla_centro.h"

namespace tv::app {

void TMForm::BImportarClick() {
    RunHandler([&] {
        if (!FolderCheck(TransformResult::NothingDone)) return;
        PlantillaCentro();
        if (values_.WorkflowState == WorkflowState::Idle) return Importar2();
        // Only the template step ran (the centre panel, if shown, already let go of the hourglass).
        SetWaitCursor(false);
    });
}

void TMForm::PlantillaCentro() {
    auto context = ImportingContext();
    // An old template that cannot be deleted is shown and used as it is.
    tablorix_to_dae::PlantillaCentro(context);
    {
        TControlPlantilla window(Ktemp(), this);
        window.exec();
    }
    SetWaitCursor(true);
    if (tablorix_to_dae::AskForCentreDataIfMissing(context)) MuestraDatosCentro();
}

void TMForm::Importar2() {
    auto context = ImportingContext();
    tablorix_to_dae::Importar2(context, [&](tablorix_to_dae::ImportContext& codification) {
        SetWaitCursor(false);
        TAjustaDAE window(codification, this);
        window.exec();
    });
    SetWaitCursor(false);
    if (mode_.Launched()) close();
}

tablorix_to_dae::ImportContext TMForm::ImportingContext() {
    return {prompt_, values_, Ktemp(), ToPath(dirTxt_), {}, tablorix_to_dae::CodificationStatus::Finished};
}

} // namespace tv::app
