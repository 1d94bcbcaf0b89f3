#include "dae_to_tablorix/datos_nivel.h"

#include "dae_to_tablorix/level_tables.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/user_text.h"

#include <string>

namespace tv::dae_to_tablorix {
namespace {

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
    if (tables::FileExistsNoCase(context.ktemp, std::string(kLevelsTable) + ".DBF")) return true;
    context.prompt.Message(TV_TEXT("Exportar", "No existe archivo de Niveles (daeNIVIMP.DBF)"));
    context.state.TransformResult = -1;
    return false;
}

void OfferLevelRecovery(ExportContext& context) {
    const std::string savedFile = std::string(kSavedLevelsTable) + ".DBF";
    if (!tables::FileExistsNoCase(context.ktemp, savedFile)) return;
    if (context.prompt.Warning(
            TV_TEXT("Exportar", "Recuperación de Niveles y Cursos importados anteriormente"),
            TV_TEXT(
                "Exportar",
                "Existen Niveles y Cursos ya definidos de una Importación anterior.\n¿Quiere recuperar las codificaciones introducidas anteriormente?")))
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
