// The levels panel's "Aceptar": check the abbreviations and keep them in
// daeNIVIMP2 for later runs.
#pragma once

#include "dae_to_tablorix/export_context.h"

namespace tv::dae_to_tablorix {

// Runs CompruebaAbreviaturas; on a repetition saves nothing and returns false
// (the levels step stays). Otherwise creates daeNIVIMP2 when missing, updates
// the abbreviations of the levels it holds and appends the levels it lacks,
// and returns true: the template choice comes next.
bool FinalRecogida(ExportContext& context);

} // namespace tv::dae_to_tablorix
