#include "tablorix_to_dae/import_centre.h"

#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/text.h"
#include "tablorix_schema/centre_table.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

using schema::kAcademicYearField;
using schema::kCentreCodeField;
using schema::kCentreTable;
using schema::kVersionField;

bool AskForCentreDataIfMissing(ImportContext& context) {
    if (tables::FileExistsNoCase(context.ktemp, "daeCENTRO.DBF")) return false;
    schema::CreaTablaCentro(context.ktemp);
    context.state.WorkflowState = 1;
    return true;
}

void StoreCentreData(const std::filesystem::path& ktemp, std::string_view code, std::string_view year,
                     std::string_view version) {
    tables::Table centre;
    centre.Open(ktemp, kCentreTable);
    centre.First();
    if (centre.Eof())
        centre.Append();
    else
        centre.Edit();
    centre.SetString(kCentreCodeField, code);
    centre.SetString(kAcademicYearField, year);
    centre.SetString(kVersionField, version);
    centre.Post();
    centre.Close();
}

bool CentreDataComplete(ImportContext& context) {
    tables::Table centre;
    centre.Open(context.ktemp, kCentreTable);
    centre.First();
    for (const std::string_view field : {kCentreCodeField, kAcademicYearField, kVersionField})
        if (TrimBoth(centre.AsString(field)).empty()) return false;
    context.state.WorkflowState = 0;
    return true;
}

} // namespace tv::tablorix_to_dae
