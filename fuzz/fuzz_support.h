// Shared by the fuzz targets: a prompt that answers every box, a scratch
// folder for the files a target feeds to the steps, and the sample school.
#pragma once

#include "common/prompt.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

namespace tv::fuzz {

class AnsweringPrompt : public Prompt {
  public:
    void Message(std::string_view) override {}
    void Information(std::string_view) override {}
    bool Question(std::string_view) override { return false; }
    bool Warning(std::string_view, std::string_view) override { return true; }
};

inline const std::filesystem::path& SampleSchool() {
    static const std::filesystem::path folder =
        std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";
    return folder;
}

// A folder of this process in memory (/dev/shm) when there is one, else under
// the temp folder; made once, removed when the process ends normally.
class Scratch {
  public:
    Scratch() {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        path_ = base / ("tv-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_, ec);
        std::filesystem::create_directories(path_);
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline const std::filesystem::path& ScratchFolder() {
    static const Scratch scratch;
    return scratch.Path();
}

inline void WriteFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// `to` made an exact copy of `from` (files only, one level).
inline void CopyFolder(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::remove_all(to);
    std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

} // namespace tv::fuzz
