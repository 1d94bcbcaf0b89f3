// The files of some tables as they were, to put back when a step fails half
// way: a failed run leaves the tables as they were before it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tv::tablorix_to_dae {

class TableSnapshot {
  public:
    // Reads NAME.DBF and NAME.MDX of each table (absent files are noted as absent).
    TableSnapshot(const std::filesystem::path& folder, const std::vector<std::string>& tables);
    // Every file back as it was: rewritten, or removed when it did not exist.
    // The tables must be closed.
    void Restore() const;

  private:
    struct File {
        std::filesystem::path path;
        std::optional<std::vector<std::uint8_t>> bytes;
    };
    std::vector<File> files_;
};

// Runs `step`; when it throws, closes nothing itself (the step's tables must
// be closed by then, which scoped cursors do), restores the snapshot and
// rethrows.
template <class Step> void RunRestoringOnFailure(const TableSnapshot& snapshot, Step&& step) {
    try {
        step();
    } catch (...) {
        snapshot.Restore();
        throw;
    }
}

} // namespace tv::tablorix_to_dae
