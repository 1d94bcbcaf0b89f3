// Replaces a file only once its new content is complete: the bytes go to a
// temporary file in the same folder, which then takes the file's place. On
// failure the earlier file stays as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <span>

namespace tv::tables {

// Throws TableError (naming the file) when the new content cannot be written.
void WriteFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
// The same, with the content given in pieces written one after another.
void WriteFileAtomically(const std::filesystem::path& file,
                         std::initializer_list<std::span<const std::uint8_t>> pieces);

} // namespace tv::tables
