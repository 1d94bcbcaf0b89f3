// Writing a table's pair of files so that a kill or a power cut at any instant
// leaves a .DBF that opens and, whenever the .DBF claims a production index,
// an .MDX that agrees with it.
//
// The .DBF's production-index flag (header byte 28) is the commit mark: the
// new .DBF replaces the old one with the flag clear, then the new .MDX
// replaces the old one, and only then is the flag set. Until that last byte
// reaches the disk the table claims no index, so no program reads a stale one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace tv::tables {

struct TableImage {
    std::vector<std::uint8_t> header;               // header bytes; byte 28 is set here as needed
    std::span<const std::uint8_t> records;          // the rows, back to back
    std::optional<std::vector<std::uint8_t>> index; // the production .MDX, when the table has one
};

// Replaces `dbf` (and `mdx`, when the image has an index) in the order above.
// Throws TableError; what is on disk is then the old pair, the new pair, or
// the new .DBF without its flag.
void CommitTableFiles(const std::filesystem::path& dbf, const std::filesystem::path& mdx, TableImage image);

// One table's new pair, for CommitTablesTogether.
struct TableFiles {
    std::filesystem::path dbf;
    std::filesystem::path mdx;
    TableImage image;
    bool removeOldIndex = false; // a table created anew without an index: the .MDX there is not its own
};

// Replaces several tables under the same mark, with the waits for the folder
// shared: every new file is written and flushed first; then every .DBF takes
// its place with its flag clear and the folders are flushed; then every .MDX
// (an old one is removed where the table now has none) and the folders are
// flushed; then the flags are set. Throws TableError; after a failure or a
// kill each table is, as with CommitTableFiles, its old pair, its new pair or
// its new .DBF without the flag.
void CommitTablesTogether(std::vector<TableFiles> tables);

// Replaces only `mdx`, under the same mark: the .DBF's flag is cleared in
// place first and set again once the new index is on the disk. The rest of
// the .DBF is not touched.
void CommitIndexFile(const std::filesystem::path& dbf, const std::filesystem::path& mdx,
                     std::span<const std::uint8_t> index);

// True when another process holds a lock on `file` (Tablorix with the table
// open). Asked before a file is replaced or removed, so nothing has changed yet.
bool HeldElsewhere(const std::filesystem::path& file);
// Throws "La tabla 'X' está en uso por otro programa." when HeldElsewhere.
void RefuseIfInUseElsewhere(const std::filesystem::path& file);

} // namespace tv::tables
