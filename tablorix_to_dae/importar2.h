// Importar2: keep or renew the work tables (or go straight to the
// codification), extract the solved timetable into them, open the
// codification and report the end of the process.
#pragma once

#include "tablorix_to_dae/import_context.h"

#include <functional>

namespace tv::tablorix_to_dae {

enum class ImportPath {
    Fresh,            // no earlier tables, or the user renewed them
    Merging,          // earlier tables kept and refreshed from the timetable
    CodificationOnly, // earlier tables kept untouched
};

// The questions about earlier work tables; creates them anew on the fresh
// path (WorkflowState FreshWorkTables).
ImportPath ChooseImportPath(ImportContext& context);

// Shows the codification over the work tables and returns when it closes,
// having set WorkflowState to CodificationUnfinished when it ended unfinished.
using OpenCodification = std::function<void(ImportContext&)>;

// Expects WorkflowState Idle. When the extraction fails, the work tables and
// PROFT are put back as they were before this call and the error propagates:
// no codification, no final message.
void Importar2(ImportContext& context, const OpenCodification& openCodification);

} // namespace tv::tablorix_to_dae
