// The centre's data on the way to DAE: daeCENTRO must hold code, academic
// year and version before the extraction runs.
#pragma once

#include "tablorix_to_dae/import_context.h"

#include <string_view>

namespace tv::tablorix_to_dae {

// When daeCENTRO.DBF is missing: creates it empty and sets WorkflowState to CentreDataAsked,
// so that the centre panel is shown and its OK continues. True when it did.
bool AskForCentreDataIfMissing(ImportContext& context);

// What the user types in the centre panel's grid: the first row, started on
// an empty table.
void StoreCentreData(const std::filesystem::path& ktemp, std::string_view code, std::string_view year,
                     std::string_view version);

// The centre panel's OK on this path: true, with WorkflowState Idle, when code,
// year and version all hold text after trimming; false leaves the panel up.
bool CentreDataComplete(ImportContext& context);

} // namespace tv::tablorix_to_dae
