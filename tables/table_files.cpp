#include "tables/table_files.h"

#include "tables/atomic_file.h"
#include "tables/dbf_format.h"
#include "tables/file_lock.h"
#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

namespace tv::tables {

void CommitTableFiles(const std::filesystem::path& dbf, const std::filesystem::path& mdx, TableImage image) {
    static constexpr std::uint8_t kEndOfFile = 0x1A;
    if (image.header.size() <= kProductionMdxFlagAt)
        throw TableError(TV_TEXT("Tablas", "Cabecera de tabla incompleta."));
    image.header[kProductionMdxFlagAt] = 0;
    WriteFileAtomically(dbf, {image.header, image.records, {&kEndOfFile, 1}});
    if (!image.index) return;
    WriteFileAtomically(mdx, *image.index);
    static constexpr std::uint8_t kFlagSet = 1;
    PatchFileInPlace(dbf, kProductionMdxFlagAt, {&kFlagSet, 1});
}

void CommitIndexFile(const std::filesystem::path& dbf, const std::filesystem::path& mdx,
                     std::span<const std::uint8_t> index) {
    static constexpr std::uint8_t kFlagClear = 0;
    static constexpr std::uint8_t kFlagSet = 1;
    PatchFileInPlace(dbf, kProductionMdxFlagAt, {&kFlagClear, 1});
    WriteFileAtomically(mdx, index);
    PatchFileInPlace(dbf, kProductionMdxFlagAt, {&kFlagSet, 1});
}

bool HeldElsewhere(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    FileLock probe;
    return !probe.Acquire(file, FileLock::Kind::Exclusive);
}

void RefuseIfInUseElsewhere(const std::filesystem::path& file) {
    if (HeldElsewhere(file))
        throw TableError(FormatText(TV_TEXT("Tablas", "La tabla '%1' está en uso por otro programa."),
                                    {FileNameText(file)}));
}

} // namespace tv::tables
