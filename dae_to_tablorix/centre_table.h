// The centre's row (daeCENTRO): code, academic year and version.
#pragma once

#include "dae_to_tablorix/export_context.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace tv::dae_to_tablorix {

// The head of profesorado.txt that holds the centre: code and year.
inline constexpr std::size_t kTeacherFileHeadLength = 13;

// Fills daeCENTRO from the head of profesorado.txt: code and year as read.
void StoreCentreFromTeacherFile(std::string_view firstLine, const std::filesystem::path& ktemp);

// The check that comes before the centre panel is shown: false, with its
// message and TransformResult DaeFileMissing, when daeCENTRO.DBF is missing.
bool CentreTableExists(ExportContext& context);

// The centre panel accepted with `version` typed in VERSION (a row is started
// on an empty table, as the panel does).
void AcceptCentreData(ExportContext& context, std::string_view version);

} // namespace tv::dae_to_tablorix
