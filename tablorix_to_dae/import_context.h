// What the Tablorix -> DAE steps read from the main window and the
// codification window: where the tables and the DAE files are, the shared
// workflow values and the way to talk to the user.
#pragma once

#include "common/prompt.h"
#include "common/workflow_values.h"

#include <filesystem>

namespace tv::tablorix_to_dae {

// CodificationStatus: the outcome of the codification's "&Terminar".
inline constexpr int kCodificationFinished = 0;
inline constexpr int kCodificationNotFinished = 4;

struct ImportContext {
    Prompt& prompt;
    WorkflowValues& state;
    std::filesystem::path ktemp;  // folder of the working tables
    std::filesystem::path dirTxt; // the chosen DAE folder
    // The codification window's own values: the DAE folder handed to it and
    // whether "&Terminar" finished.
    std::filesystem::path daeFolder;
    int codificationStatus = kCodificationFinished;
};

} // namespace tv::tablorix_to_dae
