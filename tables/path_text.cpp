#include "tables/path_text.h"

#include "tables/cp1252.h"

namespace tv::tables {

std::string PathText(const std::filesystem::path& path) {
    // u8string is UTF-16 converted on Windows and the bytes as stored on Linux.
    const std::u8string utf8 = path.u8string();
    return Utf8ToCp1252ForDisplay(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::string FileNameText(const std::filesystem::path& path) {
    return PathText(path.filename());
}

} // namespace tv::tables
