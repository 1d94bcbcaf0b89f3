// File names matched without regard to case, also where the file system cares
// (Linux): "plantilla" finds PLANTILLA.DBF, "PROFT" finds proft.dbf.
#pragma once

#include <filesystem>
#include <string_view>

namespace tv::tables {

// The entry of `folder` whose name equals `name` ignoring ASCII case (an exact
// match first); `folder / name` as given when there is none.
std::filesystem::path ResolveFileName(const std::filesystem::path& folder, std::string_view name);

bool FileExistsNoCase(const std::filesystem::path& folder, std::string_view name);

// Removes the file if present (any case); true when one was removed. Throws
// TableError, changing nothing, when another program holds it or it cannot go.
bool DeleteFileNoCase(const std::filesystem::path& folder, std::string_view name);

} // namespace tv::tables
