#include "dae_to_tablorix/centre_table.h"

#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/centre_table.h"
#include "tablorix_schema/table_names.h"

namespace tv::dae_to_tablorix {

using schema::kCentreTable;

void StoreCentreFromTeacherFile(std::string_view firstLine, const std::filesystem::path& ktemp) {
    schema::CreaTablaCentro(ktemp);
    tables::Table centre;
    centre.Open(ktemp, kCentreTable);
    // Not trimmed: a code with leading blanks keeps them.
    centre.AppendRecord(
        {std::string(Cut(firstLine, 4, 6)), std::string(Cut(firstLine, 10, 4)), std::string()});
    centre.Close();
}

bool CentreTableExists(ExportContext& context) {
    if (tables::FileExistsNoCase(context.ktemp, "daeCENTRO.DBF")) return true;
    context.prompt.Message(TV_TEXT("Exportar", "No existe archivo del Centro (daeCENTRO.DBF)"));
    context.state.TransformResult = -1;
    return false;
}

void AcceptCentreData(ExportContext& context, std::string_view version) {
    tables::Table centre;
    centre.Open(context.ktemp, kCentreTable);
    centre.First();
    if (centre.Eof())
        centre.Append();
    else
        centre.Edit();
    centre.SetString(schema::kVersionField, version);
    centre.Post();
    centre.Close();
}

} // namespace tv::dae_to_tablorix
