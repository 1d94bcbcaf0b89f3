#include "dae_to_tablorix/template_file.h"

#include "tables/file_names.h"

namespace tv::dae_to_tablorix {

std::optional<std::filesystem::path> FindTemplateFile(const std::filesystem::path& daeFolder) {
    for (const char* name : {"PLANTILLAS.txt", "T02.txt"})
        if (tables::FileExistsNoCase(daeFolder, name)) return tables::ResolveFileName(daeFolder, name);
    return std::nullopt;
}

void ShowTemplateFileMissing(Prompt& prompt) {
    prompt.Message("No existe archivo DAE (Plantillas.txt o T02.txt)");
    prompt.Message("Pero podr\xE1 Crear su Plantilla Horaria, cuando Exporte la Soluci\xF3n del Horario.");
}

} // namespace tv::dae_to_tablorix
