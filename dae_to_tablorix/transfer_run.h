// The last step of DAE -> Tablorix: the chosen template into DIASHORAST, then
// the five writers of the Tablorix tables.
#pragma once

#include "dae_to_tablorix/export_context.h"

#include <functional>
#include <string_view>

namespace tv::dae_to_tablorix {

enum class TransferOutcome {
    Finished,        // "Proceso finalizado" was shown
    NoTemplateTable, // daePLANTILLAS.DBF missing: nothing done, nothing shown
    NoTemplateFile,  // neither PLANTILLAS.txt nor T02.txt: its two messages, nothing written
};

// `chosenCode` is the CODIGO of the daePLANTILLAS row the user chose. A code
// that no template of the file carries leaves DIASHORAST empty and the writers
// still run. Errors (a number that is not one, a table that cannot be opened)
// propagate and end the run; what was posted before stays.
// `beforeFinalMessage` runs after the writers and before "Proceso finalizado",
// so a window can end its wait state before the box opens.
TransferOutcome TransferRun(ExportContext& context, std::string_view chosenCode,
                            const std::function<void()>& beforeFinalMessage = {});

} // namespace tv::dae_to_tablorix
