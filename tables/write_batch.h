// Tables written together at the end of a step instead of one by one.
//
// While a WriteBatch is open, a table whose last cursor closes with changes,
// and a table created anew, stay in this process's memory (later opens use
// them) instead of being written; Commit writes them all at once with
// CommitTablesTogether, which flushes the folder a few times in all rather
// than several times for each table. Each table keeps the commit mark of
// table_files.h: a kill before Commit leaves it as it was, one during Commit
// leaves it old or new, never an index that disagrees with its rows.
#pragma once

#include <memory>
#include <vector>

namespace tv::tables {

class TableData;

class WriteBatch {
  public:
    // A batch opened while another is open joins it: the outer one commits.
    WriteBatch();
    // Commits what is still kept (an error unwinding skipped Commit); a
    // failure then is recorded as an unsaved table (unsaved_tables.h).
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    // Writes every table kept so far. Throws TableError; the tables not
    // written are then forgotten, as a failed Close forgets them.
    void Commit();

    // For the table store: keeps `data` until the open batch commits; false
    // when no batch is open.
    static bool Keep(std::shared_ptr<TableData> data);
    static bool IsOpen();
    // Drops a kept table that is about to be created anew, so that its lock
    // is not taken for another program's.
    static void Drop(const std::shared_ptr<TableData>& data);

  private:
    bool owner_ = false;
    std::vector<std::shared_ptr<TableData>> kept_;
};

} // namespace tv::tables
