// First step of DAE -> Tablorix: the DAE code lists into the dae catalogue
// tables, the centre's code and year into daeCENTRO, the template heads into
// daePLANTILLAS.
#pragma once

#include "dae_to_tablorix/export_context.h"

namespace tv::dae_to_tablorix {

// Reads the DAE folder `context.dirTxt` into the tables in `context.ktemp`.
// A missing file shows its message, sets TransformResult to DaeFileMissing and ends the
// step; tables of later files keep their earlier contents. Returns true when
// the centre panel is to be shown next.
bool RecogeDatosDAE(ExportContext& context);

} // namespace tv::dae_to_tablorix
