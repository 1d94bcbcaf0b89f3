// A file's bytes for a reader that looks at a few places of it, mapped
// instead of copied where the system allows: reading the tag headers of a
// production index of megabytes then reads only their pages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace tv::tables {

class MappedFile {
  public:
    // Null when the file cannot be mapped (missing, empty, or a system
    // without mappings): the caller then reads it whole, with its own errors.
    // `wholeFile`: the caller reads all of it, so its pages are mapped at
    // once rather than one fault at a time.
    static std::unique_ptr<MappedFile> Map(const std::filesystem::path& path, bool wholeFile = false);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }

  private:
    MappedFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    const std::uint8_t* data_;
    std::size_t size_;
};

} // namespace tv::tables
