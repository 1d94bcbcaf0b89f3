#include "tables/atomic_file.h"

#include "tables/table_error.h"

#include <cstdio>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tv::tables {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const std::filesystem::path& temp, const std::string& why) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    throw TableError("No se puede escribir '" + file.filename().string() + "': " + why);
}

} // namespace

void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    WriteFileAtomically(file, {bytes});
}

void WriteFileAtomically(const std::filesystem::path& file,
                         std::initializer_list<std::span<const std::uint8_t>> pieces) {
    std::filesystem::path temp = file;
    temp += ".tmp~";
#ifdef _WIN32
    FILE* out = _wfopen(temp.c_str(), L"wb");
#else
    FILE* out = std::fopen(temp.c_str(), "wb");
#endif
    if (!out) Fail(file, temp, "no se puede crear el archivo temporal.");
    bool written = true;
    for (const auto& bytes : pieces)
        written = written && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool flushed = std::fflush(out) == 0;
    if (std::fclose(out) != 0 || !written || !flushed) Fail(file, temp, "el disco no admite los datos.");
#ifdef _WIN32
    if (!MoveFileExW(temp.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail(file, temp, "no se puede sustituir el archivo.");
#else
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) Fail(file, temp, ec.message());
#endif
}

} // namespace tv::tables
