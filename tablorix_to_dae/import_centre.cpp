#include "tablorix_to_dae/import_centre.h"

#include "dae_to_tablorix/centre_table.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/text.h"

namespace tv::tablorix_to_dae {
namespace {

constexpr std::string_view kCentreTable = "daeCENTRO";

} // namespace

bool AskForCentreDataIfMissing(ImportContext& context) {
    if (tables::FileExistsNoCase(context.ktemp, "daeCENTRO.DBF")) return false;
    dae_to_tablorix::CreaTablaCentro(context.ktemp);
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
    centre.SetString("CODCENTRO", code);
    centre.SetString("ANOACAD", year);
    centre.SetString("VERSION", version);
    centre.Post();
    centre.Close();
}

bool CentreDataComplete(ImportContext& context) {
    tables::Table centre;
    centre.Open(context.ktemp, kCentreTable);
    centre.First();
    for (const char* field : {"CODCENTRO", "ANOACAD", "VERSION"})
        if (TrimBoth(centre.AsString(field)).empty()) return false;
    context.state.WorkflowState = 0;
    return true;
}

} // namespace tv::tablorix_to_dae
