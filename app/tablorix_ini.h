// The result entry for Tablorix: "Transformado" in section "Transformadores"
// of Tablorix.ini, written the way the system's private-profile functions do:
// a missing file, section or key is created, an existing value replaced, and
// every other byte of the file kept (line ends and Windows-1252 text included).
#pragma once

#include "common/workflow_values.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tv::app {

inline constexpr std::string_view kResultFileName = "Tablorix.ini";
inline constexpr std::string_view kResultSection = "Transformadores";
inline constexpr std::string_view kResultKey = "Transformado";

// The bytes of an INI file with `key`=`value` set in `section`. Section and
// key names are matched without regard to ASCII letter case; the first
// matching section and key win. New lines use the file's own line end (CRLF
// when it has none yet).
std::string SetProfileString(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value);

// Writes `result`, as the number Tablorix reads, into `folder`/Tablorix.ini. Throws std::runtime_error
// (message in Windows-1252) when the file cannot be read or written.
void WriteTransformResult(const std::filesystem::path& folder, TransformResult result);

} // namespace tv::app
