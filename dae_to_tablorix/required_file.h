// The one way a DAE -> Tablorix step asks for a file it cannot go on without.
#pragma once

#include "dae_to_tablorix/export_context.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace tv::dae_to_tablorix {

// The file `name` in `folder`, found regardless of case. When it is missing:
// shows `missingMessage`, sets TransformResult to DaeFileMissing and answers nullopt.
std::optional<std::filesystem::path> FindRequiredFile(ExportContext& context,
                                                      const std::filesystem::path& folder,
                                                      std::string_view name, std::string_view missingMessage);

// The same for a file of the DAE folder.
inline std::optional<std::filesystem::path> FindDaeFile(ExportContext& context, std::string_view name,
                                                        std::string_view missingMessage) {
    return FindRequiredFile(context, context.dirTxt, name, missingMessage);
}

} // namespace tv::dae_to_tablorix
