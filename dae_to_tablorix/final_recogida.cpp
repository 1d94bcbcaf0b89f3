#include "dae_to_tablorix/final_recogida.h"

#include "dae_to_tablorix/catalogue_files.h"
#include "dae_to_tablorix/comprueba_abreviaturas.h"
#include "dae_to_tablorix/level_tables.h"
#include "tables/file_names.h"
#include "tables/table.h"

#include <string>
#include <vector>

namespace tv::dae_to_tablorix {

bool FinalRecogida(ExportContext& context) {
    if (CompruebaAbreviaturas(context).repeated) return false;

    if (!tables::FileExistsNoCase(context.ktemp, std::string(kSavedLevelsTable) + ".DBF"))
        tables::Table::Create(context.ktemp, kSavedLevelsTable, CatalogueDecl(LevelsCatalogue()));

    tables::Table levels;
    levels.Open(context.ktemp, kLevelsTable);
    tables::Table saved;
    saved.Open(context.ktemp, kSavedLevelsTable);
    for (levels.First(); !levels.Eof(); levels.Next()) {
        if (saved.Locate("COD", {levels.AsString("COD")})) {
            saved.Edit();
            saved.SetString("ABREVCAST", levels.AsString("ABREVCAST"));
            saved.SetString("ABREVEUSK", levels.AsString("ABREVEUSK"));
            saved.Post();
            continue;
        }
        std::vector<tables::FieldValue> row;
        for (const auto& field : LevelsCatalogue().fields)
            row.emplace_back(levels.AsString(field.name));
        saved.AppendRecord(row);
    }
    saved.Close();
    levels.Close();
    return true;
}

} // namespace tv::dae_to_tablorix
