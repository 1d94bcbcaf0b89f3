// The file layer of the table store: every change reaches the disk before the
// next one starts, and a file is only ever replaced by a complete one.
//
// New content goes to a temporary file in the same folder, is flushed to the
// disk, and then takes the file's place in one rename (on Linux the folder is
// flushed too, so the rename itself survives a power cut). On failure the
// earlier file stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>

namespace tv::tables {

// Throws TableError (naming the file and the system's reason in Spanish) when
// the new content cannot be written.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
// The same, with the content given in pieces written one after another.
void WriteFileAtomically(const std::filesystem::path& file,
                         std::initializer_list<std::span<const std::uint8_t>> pieces);

// Overwrites `bytes` at `offset` of an existing file and waits until they are
// on the disk. Meant for a byte or two of a header (a single sector).
void PatchFileInPlace(const std::filesystem::path& file, std::uint64_t offset,
                      std::span<const std::uint8_t> bytes);

// Removes the file when present, the removal flushed to the disk. Throws
// TableError when it cannot be removed.
void RemoveFileDurably(const std::filesystem::path& file);

// Renames `from` over `to` and flushes the folder; for putting kept files
// back after a failure. Throws TableError.
void RenameFileDurably(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace tv::tables
