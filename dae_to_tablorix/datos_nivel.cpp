#include "dae_to_tablorix/datos_nivel.h"

#include "dae_to_tablorix/level_tables.h"
#include "dae_to_tablorix/required_file.h"
#include "tables/file_names.h"
#include "tables/table.h"

#include <string>

namespace tv::dae_to_tablorix {
namespace {

constexpr std::string_view kRecoveryCaption = "Recuperaci\xF3n de Niveles y Cursos importados anteriormente";
constexpr std::string_view kRecoveryText =
    "Existen Niveles y Cursos ya definidos de una Importaci\xF3n anterior.\n"
    "\xBFQuiere recuperar las codificaciones introducidas anteriormente?";

void RecoverSavedAbbreviations(const std::filesystem::path& ktemp) {
    tables::Table levels;
    levels.Open(ktemp, kLevelsTable);
    tables::Table saved;
    saved.Open(ktemp, kSavedLevelsTable);
    for (levels.First(); !levels.Eof(); levels.Next()) {
        if (!saved.Locate("COD", {levels.AsString("COD")})) continue;
        // Blank saved values replace typed ones too.
        levels.Edit();
        levels.SetString("ABREVCAST", saved.AsString("ABREVCAST"));
        levels.SetString("ABREVEUSK", saved.AsString("ABREVEUSK"));
        levels.Post();
    }
    saved.Close();
    levels.Close();
}

} // namespace

bool LevelsTableExists(ExportContext& context) {
    return FindRequiredFile(context, context.ktemp, std::string(kLevelsTable) + ".DBF",
                            "No existe archivo de Niveles (daeNIVIMP.DBF)")
        .has_value();
}

void OfferLevelRecovery(ExportContext& context) {
    const std::string savedFile = std::string(kSavedLevelsTable) + ".DBF";
    if (!tables::FileExistsNoCase(context.ktemp, savedFile)) return;
    if (context.prompt.Warning(kRecoveryCaption, kRecoveryText))
        RecoverSavedAbbreviations(context.ktemp);
    else
        tables::DeleteFileNoCase(context.ktemp, savedFile);
}

bool DatosNivel(ExportContext& context) {
    if (!LevelsTableExists(context)) return false;
    OfferLevelRecovery(context);
    return true;
}

} // namespace tv::dae_to_tablorix
