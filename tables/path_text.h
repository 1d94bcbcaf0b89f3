// File and folder names as message text (Windows-1252): the name in its own
// characters, whatever the file system stores ("Ñandú.DBF", not "Ã‘andÃº.DBF").
#pragma once

#include <filesystem>
#include <string>

namespace tv::tables {

// The whole path. A character Windows-1252 lacks, or a byte that is not
// UTF-8 in a Linux name, shows as '?'.
std::string PathText(const std::filesystem::path& path);
// Its last component only.
std::string FileNameText(const std::filesystem::path& path);

} // namespace tv::tables
