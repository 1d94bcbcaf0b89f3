// The check of the level abbreviations: within each language no non-blank
// abbreviation may appear twice, letter case ignored.
#pragma once

#include "dae_to_tablorix/export_context.h"
#include "tables/table.h"

namespace tv::dae_to_tablorix {

struct AbbreviationCheck {
    bool repeated = false;
    tables::Bookmark row; // the level row where the first repetition was found
};

// Walks daeNIVIMP in order, the Castilian abbreviation of a row before its
// Basque one, and stops at the first repetition with its message.
// WorkflowState ends Idle, or RepeatedAbbreviation when a repetition was found.
AbbreviationCheck CompruebaAbreviaturas(ExportContext& context);

} // namespace tv::dae_to_tablorix
