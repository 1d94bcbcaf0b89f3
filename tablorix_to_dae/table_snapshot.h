// The files of some tables as they were, to put back when a step fails half
// way: a failed run leaves the tables as they were before it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tv::tablorix_to_dae {

// Keeps NAME.DBF and NAME.MDX of each table under a second name beside them:
// a hard link where the file system has them (the table store replaces files
// by renaming a new one over them, so the link keeps the old content at no
// cost), a copy otherwise. The second names go when the object does.
class TableSnapshot {
  public:
    TableSnapshot(const std::filesystem::path& folder, const std::vector<std::string>& tables);
    ~TableSnapshot();
    TableSnapshot(const TableSnapshot&) = delete;
    TableSnapshot& operator=(const TableSnapshot&) = delete;

    // Every file back as it was: the kept one renamed back (at most once), or
    // the file removed when it did not exist. The tables must be closed.
    void Restore() const;

  private:
    struct File {
        std::filesystem::path path;
        std::filesystem::path kept; // empty when the file did not exist
    };
    struct Table {
        File dbf;
        File mdx;
        bool hadIndexFlag = false; // the .DBF claimed its .MDX
    };
    std::vector<Table> tables_;
};

// Runs `step`; when it throws, restores the snapshot and rethrows. The step's
// own cursors must be closed by then, which scoped cursors are.
template <class Step> void RunRestoringOnFailure(const TableSnapshot& snapshot, Step&& step) {
    try {
        step();
    } catch (...) {
        snapshot.Restore();
        throw;
    }
}

} // namespace tv::tablorix_to_dae
