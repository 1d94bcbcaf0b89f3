// DAE exchange files carry everything in their first line: fixed-length
// records back to back, Windows-1252 bytes, no separators.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tables {
class MappedFile;
}

namespace tv::dae_to_tablorix {

// The bytes of `file` up to its first CR or LF (all of it when there is none),
// unconverted. Throws std::runtime_error naming the file when it cannot be
// opened or read.
std::string ReadFirstLine(const std::filesystem::path& file);

// The same line, but no more than its first `count` bytes: for a step that
// needs only the head of a file of megabytes.
std::string ReadFirstLineStart(const std::filesystem::path& file, std::size_t count);

// The same line of a file of megabytes, mapped rather than copied where the
// system allows: its pages are then read straight from the file cache.
class FirstLine {
  public:
    // Throws as ReadFirstLine.
    explicit FirstLine(const std::filesystem::path& file);
    ~FirstLine();
    FirstLine(const FirstLine&) = delete;
    FirstLine& operator=(const FirstLine&) = delete;

    std::string_view Text() const { return text_; }

  private:
    std::unique_ptr<tables::MappedFile> mapped_;
    std::string copy_; // where the file cannot be mapped
    std::string_view text_;
};

// The line cut into records of `length` characters; the last one may be
// shorter. The views point into `line`. `length` must be positive.
std::vector<std::string_view> SplitRecords(std::string_view line, std::size_t length);

// The field at 1-based `position` of `record`, `width` characters at most,
// blanks at both ends removed; empty when the record is too short to reach it.
std::string Field(std::string_view record, std::size_t position, std::size_t width);

} // namespace tv::dae_to_tablorix
