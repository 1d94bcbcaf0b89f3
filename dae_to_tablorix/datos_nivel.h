// Entering the study-levels step: the levels table must exist, and the
// abbreviations kept from an earlier run (daeNIVIMP2) may be recovered.
#pragma once

#include "dae_to_tablorix/export_context.h"

namespace tv::dae_to_tablorix {

// False, with its message and TransformResult DaeFileMissing, when daeNIVIMP.DBF is missing.
bool LevelsTableExists(ExportContext& context);

// When daeNIVIMP2 exists, asks whether to recover it: OK copies its
// abbreviations onto the levels with the same code, Cancel deletes it.
// Asks nothing when it does not exist.
void OfferLevelRecovery(ExportContext& context);

// Both, in order; true when the levels step was entered.
bool DatosNivel(ExportContext& context);

} // namespace tv::dae_to_tablorix
