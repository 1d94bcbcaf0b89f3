// The file of the centre's day/hour templates: PLANTILLAS.txt, or T02.txt
// where PLANTILLAS.txt is absent. A template head (59 characters, first one
// "1", code at 2-9, name at 10-59) is followed by its 15-character hour lines.
#pragma once

#include "common/prompt.h"

#include <cstddef>
#include <filesystem>
#include <optional>

namespace tv::dae_to_tablorix {

inline constexpr std::size_t kTemplateHeadLength = 59;
inline constexpr std::size_t kHourLineLength = 15;

std::optional<std::filesystem::path> FindTemplateFile(const std::filesystem::path& daeFolder);

// The two boxes shown when neither file exists.
void ShowTemplateFileMissing(Prompt& prompt);

} // namespace tv::dae_to_tablorix
