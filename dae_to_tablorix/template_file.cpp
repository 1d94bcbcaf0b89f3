#include "dae_to_tablorix/template_file.h"

#include "tables/file_names.h"
#include "tables/user_text.h"

namespace tv::dae_to_tablorix {

std::optional<std::filesystem::path> FindTemplateFile(const std::filesystem::path& daeFolder) {
    for (const char* name : {"PLANTILLAS.txt", "T02.txt"})
        if (tables::FileExistsNoCase(daeFolder, name)) return tables::ResolveFileName(daeFolder, name);
    return std::nullopt;
}

void ShowTemplateFileMissing(Prompt& prompt) {
    prompt.Message(TV_TEXT("Exportar", "No existe archivo DAE (Plantillas.txt o T02.txt)"));
    prompt.Message(TV_TEXT("Exportar",
                           "Pero podrá Crear su Plantilla Horaria, cuando Exporte la Solución del Horario."));
}

} // namespace tv::dae_to_tablorix
