// The rows of one open table file, shared by every cursor on it in this
// process, with its indexes kept in memory. Changes are written back to the
// .DBF (and its production .MDX) when the last cursor closes or on Flush.
#pragma once

#include "tables/dbf_format.h"
#include "tables/file_lock.h"
#include "tables/mdx_file.h"
#include "tables/row_listeners.h"
#include "tables/table.h"
#include "tables/table_files.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tv::tables {

// One ascending order over a field: record numbers sorted by (key, record).
// Keys have one length per order and sit in one flat array by record number.
class RecordOrder {
  public:
    RecordOrder(const DbfField& field, int fieldNumber);

    const DbfField& Field() const { return field_; }
    int FieldNumber() const { return fieldNumber_; }
    char KeyType() const { return keyType_; }

    // The order of all `count` records at once, by one sort of their keys.
    void Build(const char* records, std::size_t recordLength, std::uint32_t count);
    // Record numbers are 1-based. `record` points at the record's bytes.
    void Add(std::uint32_t recno, const char* record);
    void Update(std::uint32_t recno, const char* record);

    // The order, all records (deleted ones too), sorted.
    const std::vector<std::uint32_t>& Order();
    // Position of `recno` in Order().
    std::size_t PositionOf(std::uint32_t recno);
    // First position whose key is >= key / > key.
    std::size_t LowerBound(std::string_view key);
    std::size_t UpperBound(std::string_view key);
    std::string_view KeyOf(std::uint32_t recno) const {
        return {keys_.data() + (recno - 1) * keyLength_, keyLength_};
    }
    std::vector<IndexEntry> Entries();
    std::size_t KeyLength() const { return keyLength_; }
    // The keys by record number - 1, each KeyLength() bytes.
    const char* Keys() const { return keys_.data(); }

  private:
    bool Less(std::uint32_t a, std::uint32_t b) const;
    void Settle();
    void MakeKey(const char* record, char* key) const;

    DbfField field_;
    int fieldNumber_;
    char keyType_;
    std::size_t keyLength_;
    std::vector<char> keys_;           // by record number - 1
    std::vector<std::uint32_t> order_; // sorted prefix + unsorted tail
    std::size_t sortedCount_ = 0;
};

class TableData : public std::enable_shared_from_this<TableData> {
  public:
    enum class Access { Shared, Exclusive, ReadOnly };

    // Opens (or joins) the table at `dbfPath`. Throws TableError.
    static std::shared_ptr<TableData> Open(const std::filesystem::path& dbfPath, Access access);
    // True while some cursor of this process has the file open.
    static bool IsOpen(const std::filesystem::path& dbfPath);
    // The rows this process keeps of the file, with or without cursors (a
    // WriteBatch keeps tables whose cursors have closed); null when none.
    static std::shared_ptr<TableData> Find(const std::filesystem::path& dbfPath);
    // A table created anew while a WriteBatch is open: the declared header,
    // and the empty production index when it has one, kept in memory and
    // written when the batch commits. `removeOldIndex`: it has no index, so
    // an .MDX beside it is not its own and goes then.
    static std::shared_ptr<TableData> CreateInMemory(const std::filesystem::path& dbfPath,
                                                     std::vector<std::uint8_t> header,
                                                     std::optional<std::vector<std::uint8_t>> index,
                                                     bool removeOldIndex);
    ~TableData();

    const std::filesystem::path& Path() const { return dbfPath_; }
    const DbfHeader& Header() const { return header_; }
    const std::vector<DbfField>& Fields() const { return header_.fields; }
    const std::vector<FieldInfo>& FieldInfos() const { return fieldInfos_; }
    int FieldNumber(std::string_view name) const; // -1 when absent
    std::uint32_t RecordCount() const { return static_cast<std::uint32_t>(records_.size() / recordLength_); }
    std::size_t RecordLength() const { return recordLength_; }
    const char* Record(std::uint32_t recno) const { return records_.data() + (recno - 1) * recordLength_; }
    bool IsDeleted(std::uint32_t recno) const { return Record(recno)[0] == '*'; }
    std::uint32_t LiveCount() const { return liveCount_; }
    bool ReadOnly() const { return access_ == Access::ReadOnly; }

    // Writes; every one keeps the indexes current. Throw TableError when read-only.
    std::uint32_t AppendRecord(const char* bytes);
    void UpdateRecord(std::uint32_t recno, const char* bytes);
    void DeleteRecord(std::uint32_t recno);

    // Bulk building (TableBuilder): the rows leave the table while a builder
    // of an exclusive open works on them, and come back whole; every order is
    // then rebuilt from them, by one sort, when next used or written.
    std::vector<char> TakeRecords();
    // `firstNew` is the number of the first appended row (their autoincrement
    // fields are numbered as AppendRecord numbers them).
    void AdoptRecords(std::vector<char> records, std::uint32_t firstNew);
    // An exclusive open becomes a shared one, so that cursors of this process
    // may join the rows it keeps in memory.
    void ShareAccess();

    // The order over a field: its production tag, or one built in memory.
    RecordOrder& Index(std::string_view fieldName);
    bool HasTag(std::string_view fieldName) const;

    // Writes the .DBF and the production .MDX now if anything changed.
    void Flush();
    // Rewrites the production index from the rows even if nothing changed.
    void Reindex();

    // Told of every append, change and delete, whichever cursor made it (a
    // builder works alone on an exclusive open, so no one is there to tell).
    RowListeners& Listeners() { return *listeners_; }

    void AddUser(Access access);
    // Returns true when this was the last cursor (the data is then flushed and
    // forgotten, or, with changes while a WriteBatch is open, kept by it).
    bool RemoveUser();

    // For WriteBatch: the files to write now, nullopt when nothing changed;
    // the lock let go of while they replace the old ones; then Settle, with
    // whether they were written: clean, and forgotten when no cursor has it.
    std::optional<TableFiles> PendingFiles();
    void ReleaseLock() { lock_.Release(); }
    void Settle(bool written);

  private:
    TableData(std::filesystem::path dbfPath, Access access);
    void Load();
    void ParseRecords();
    void Relock(Access access);
    void Forget();
    TableImage MakeImage();
    void LoadMdx();
    void UseMdx(MdxInfo mdx);
    void AdoptUncommittedMdx();
    void CheckWritable() const;
    void NumberAutoIncrementFields(std::uint32_t recno);
    std::vector<std::uint8_t> BuildMdxImage();
    void WriteFiles();

    std::filesystem::path dbfPath_;
    std::filesystem::path mdxPath_;
    std::string registryKey_;
    bool removeOldIndex_ = false;
    Access access_;
    int users_ = 0;
    FileLock lock_;

    DbfHeader header_;
    std::vector<FieldInfo> fieldInfos_;
    std::unordered_map<std::string, int> fieldNumbers_; // by upper-case name
    std::vector<std::uint8_t> headerBytes_;
    std::size_t recordLength_ = 1;
    bool hasAutoIncrement_ = false;
    std::vector<char> records_;
    std::uint32_t liveCount_ = 0;
    bool dirty_ = false;
    std::shared_ptr<RowListeners> listeners_ = std::make_shared<RowListeners>();

    // Production index: tags in creation order, each over one field.
    bool hasMdx_ = false;
    MdxInfo mdx_;
    std::vector<int> tagFields_;                        // field number of each tag of mdx_
    std::vector<std::unique_ptr<RecordOrder>> indexes_; // the orders built so far, tag or not
};

} // namespace tv::tables
