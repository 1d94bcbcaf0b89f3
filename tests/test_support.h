// Helpers shared by the test programs: fixture folders and scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tv::test {

// The shared fixtures beside the checkout; tests that need them skip without them.
inline std::filesystem::path SharedDir() { return std::filesystem::path(TV_SHARED_DIR); }
inline std::filesystem::path SharedFixture(const std::string& relative) {
    return SharedDir() / "fixtures" / relative;
}
#define TV_REQUIRE_SHARED(relative)                                                              \
    do {                                                                                           \
        if (!std::filesystem::exists(::tv::test::SharedFixture(relative)))                          \
            GTEST_SKIP() << "needs ../shared/fixtures/" << (relative) << " (not present)";        \
    } while (0)

inline std::filesystem::path TestData(const std::string& relative) {
    return std::filesystem::path(TV_TEST_DATA_DIR) / relative;
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system temp folder, removed when the object dies.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("tv-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace tv::test
