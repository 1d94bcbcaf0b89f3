// PLANTILLA, the centre's class-hour template: made anew each time this
// direction starts, from DIASHORAST or by default; the extraction takes every
// class's start and end time from it.
#pragma once

#include "tablorix_to_dae/import_context.h"
#include "tablorix_to_dae/template_rows.h"

#include "tablorix_schema/table_names.h"

#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

using schema::kTemplateTable;

tables::TableDecl PlantillaDeclaration();

// The template rows this run uses: those of DIASHORAST when it exists and
// yields a period 1, otherwise the default twenty periods.
std::vector<TemplateRow> CentreTemplateRows(const std::filesystem::path& ktemp);

// Writes PLANTILLA anew with CentreTemplateRows. When the old PLANTILLA.DBF
// cannot be deleted it is kept unchanged and the answer is false. A DIASHORAST
// that cannot be read stops the step before the old template is touched.
bool PlantillaCentro(const ImportContext& context);

// The rows of PLANTILLA in period order, as the check window left them.
std::vector<TemplateRow> ReadTemplate(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
