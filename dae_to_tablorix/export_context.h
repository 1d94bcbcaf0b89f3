// What the DAE -> Tablorix steps read from the main window: where the files
// are, the language and public/private choices, the shared workflow values and
// the way to talk to the user.
#pragma once

#include "common/prompt.h"
#include "common/workflow_values.h"

#include <filesystem>
#include <string>

namespace tv::dae_to_tablorix {

struct ExportContext {
    Prompt& prompt;
    WorkflowValues& state;
    std::filesystem::path ktemp;      // folder of the working tables
    std::filesystem::path dirTxt;     // the chosen DAE folder
    std::string language = "EUSKERA"; // text of the language box, Windows-1252
    bool privateCentre = false;       // "PRIVADO o CONCERTADO" checked

    // Only exactly "EUSKERA" selects the Basque columns of the catalogues.
    bool Basque() const { return language == "EUSKERA"; }
};

} // namespace tv::dae_to_tablorix
