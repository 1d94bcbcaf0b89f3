#include "dae_to_tablorix/required_file.h"

#include "tables/file_names.h"

namespace tv::dae_to_tablorix {

std::optional<std::filesystem::path> FindRequiredFile(ExportContext& context,
                                                      const std::filesystem::path& folder,
                                                      std::string_view name,
                                                      std::string_view missingMessage) {
    if (tables::FileExistsNoCase(folder, name)) return tables::ResolveFileName(folder, name);
    context.prompt.Message(missingMessage);
    context.state.TransformResult = TransformResult::DaeFileMissing;
    return std::nullopt;
}

} // namespace tv::dae_to_tablorix
