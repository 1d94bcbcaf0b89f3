#include "tables/table_files.h"

#include "tables/atomic_file.h"
#include "tables/dbf_format.h"
#include "tables/file_lock.h"
#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <memory>
#include <set>

namespace tv::tables {
namespace {

constexpr std::uint8_t kEndOfFile = 0x1A;
constexpr std::uint8_t kFlagSet = 1;

// The header with the commit mark clear; throws on a header too short to hold it.
void ClearCommitMark(std::vector<std::uint8_t>& header) {
    if (header.size() <= kProductionMdxFlagAt)
        throw TableError(TV_TEXT("Tablas", "Cabecera de tabla incompleta."));
    header[kProductionMdxFlagAt] = 0;
}

// Each folder holding one of `files` flushed once.
void FlushFolders(const std::vector<std::filesystem::path>& files) {
    std::set<std::filesystem::path> folders;
    for (const auto& file : files)
        if (folders.insert(file.parent_path()).second) FlushFolderOf(file);
}

} // namespace

void CommitTablesTogether(std::vector<TableFiles> tables) {
    // A writer's temporary file goes away with it unless it was installed.
    std::vector<std::unique_ptr<AtomicFileWriter>> dbfs;
    std::vector<std::unique_ptr<AtomicFileWriter>> mdxs;
    for (TableFiles& table : tables) {
        ClearCommitMark(table.image.header);
        auto dbf = std::make_unique<AtomicFileWriter>(table.dbf);
        dbf->Write(table.image.header);
        dbf->Write(table.image.records);
        dbf->Write({&kEndOfFile, 1});
        dbf->Prepare();
        dbfs.push_back(std::move(dbf));
        std::unique_ptr<AtomicFileWriter> mdx;
        if (table.image.index) {
            mdx = std::make_unique<AtomicFileWriter>(table.mdx);
            mdx->Write(*table.image.index);
            mdx->Prepare();
        }
        mdxs.push_back(std::move(mdx));
    }
    std::vector<std::filesystem::path> written;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        dbfs[i]->Install();
        written.push_back(tables[i].dbf);
    }
    FlushFolders(written);
    std::vector<std::filesystem::path> indexes;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (mdxs[i]) {
            mdxs[i]->Install();
            indexes.push_back(tables[i].mdx);
        } else if (tables[i].removeOldIndex) {
            RemoveFileDurably(tables[i].mdx); // flushes its folder itself
        }
    }
    FlushFolders(indexes);
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (mdxs[i]) PatchFileInPlace(tables[i].dbf, kProductionMdxFlagAt, {&kFlagSet, 1});
}

void CommitTableFiles(const std::filesystem::path& dbf, const std::filesystem::path& mdx, TableImage image) {
    std::vector<TableFiles> one;
    one.push_back({dbf, mdx, std::move(image)});
    CommitTablesTogether(std::move(one));
}

void CommitIndexFile(const std::filesystem::path& dbf, const std::filesystem::path& mdx,
                     std::span<const std::uint8_t> index) {
    static constexpr std::uint8_t kFlagClear = 0;
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
