// The five writers of the Tablorix tables, run in this order by the transfer
// run. Each one whose DAE file is missing shows its message, sets
// TransformResult to DaeFileMissing and returns; other errors propagate (TableError,
// ConversionError) and end the run.
#pragma once

#include "dae_to_tablorix/export_context.h"

namespace tv::dae_to_tablorix {

void CreaAsignaturas(ExportContext& context);  // ASIGNOMT
void CreaProfesores(ExportContext& context);   // PROFT
void CreaAulas(ExportContext& context);        // AULAT
void CreaGrupos(ExportContext& context);       // GRUPOST (reads PROFT and daeNIVIMP)
void CreaAsignaciones(ExportContext& context); // ASIGT (reads GRUPOST, ASIGNOMT; updates ASIGNOMT)

} // namespace tv::dae_to_tablorix
