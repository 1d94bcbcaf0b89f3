#include "tables/file_names.h"

#include "tables/atomic_file.h"
#include "tables/table_data.h"
#include "tables/table_files.h"
#include "tables/write_batch.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace tv::tables {
namespace {

bool SameAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::filesystem::path ResolveFileName(const std::filesystem::path& folder, std::string_view name) {
    std::filesystem::path exact = folder / std::filesystem::path(std::string(name));
    std::error_code ec;
    if (std::filesystem::exists(exact, ec)) return exact;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameAsciiCase(entry, name)) return it->path();
    }
    return exact;
}

bool FileExistsNoCase(const std::filesystem::path& folder, std::string_view name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(ResolveFileName(folder, name), ec);
}

bool DeleteFileNoCase(const std::filesystem::path& folder, std::string_view name) {
    std::error_code ec;
    const auto path = ResolveFileName(folder, name);
    // What a write batch kept of it goes too (and its lock is not another program's).
    if (WriteBatch::IsOpen()) WriteBatch::Drop(TableData::Find(path));
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    RefuseIfInUseElsewhere(path);
    RemoveFileDurably(path);
    return true;
}

} // namespace tv::tables
