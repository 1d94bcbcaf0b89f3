// Option files of the form "A;B;C" a line, UTF-8 (a leading BOM allowed),
// LF or CRLF, no header; blank lines are skipped.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tv::cli {

struct SemicolonLine {
    std::string where;               // "--option file, línea N" (Windows-1252), for messages
    std::vector<std::string> fields; // converted to Windows-1252, as written
};

// Throws std::runtime_error (Windows-1252 text naming the file or the line)
// when the file cannot be read, a line has not `fieldCount` fields (`layout`
// names them) or holds a character outside Windows-1252.
std::vector<SemicolonLine> ReadSemicolonFile(const std::filesystem::path& file, const std::string& option,
                                             std::size_t fieldCount, const std::string& layout);

} // namespace tv::cli
