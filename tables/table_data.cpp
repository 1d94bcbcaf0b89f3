#include "tables/table_data.h"

#include "tables/file_names.h"
#include "tables/index_key.h"
#include "tables/mapped_file.h"
#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/table_files.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tables/write_batch.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <mutex>

namespace tv::tables {
namespace {

// Open tables of this process by file, so that cursors on one file share rows.
std::map<std::string, std::weak_ptr<TableData>>& Registry() {
    static std::map<std::string, std::weak_ptr<TableData>> registry;
    return registry;
}

std::string RegistryKey(const std::filesystem::path& path) {
    std::error_code ec;
    std::string key = std::filesystem::weakly_canonical(path, ec).string();
    if (ec) key = std::filesystem::absolute(path).string();
#ifdef _WIN32
    key = AnsiUpperCase(key);
#endif
    return key;
}

template <class Byte = std::uint8_t> std::vector<Byte> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        throw TableError(
            FormatText(TV_TEXT("Tablas", "No se puede abrir la tabla '%1'."), {FileNameText(path)}));
    const std::streamoff size = in.tellg();
    std::vector<Byte> bytes(size > 0 ? static_cast<std::size_t>(size) : 0);
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw TableError(FormatText(TV_TEXT("Tablas", "Error al leer la tabla '%1'."), {FileNameText(path)}));
    return bytes;
}

// The tags of a production index: only its header, tag table and tag
// headers are read, so the file is mapped rather than copied when it can be.
MdxInfo ReadMdxTags(const std::filesystem::path& mdxPath) {
    if (const auto mapped = MappedFile::Map(mdxPath)) return ReadMdx(mapped->Bytes(), FileNameText(mdxPath));
    return ReadMdx(ReadWholeFile(mdxPath), FileNameText(mdxPath));
}

std::filesystem::path MdxPathFor(const std::filesystem::path& dbfPath) {
    const std::string base = dbfPath.stem().string();
    return ResolveFileName(dbfPath.parent_path(), base + ".MDX");
}

} // namespace

std::shared_ptr<TableData> TableData::Open(const std::filesystem::path& dbfPath, Access access) {
    const std::string key = RegistryKey(dbfPath);
    auto& registry = Registry();
    if (auto it = registry.find(key); it != registry.end()) {
        if (auto shared = it->second.lock()) {
            if (shared->users_ == 0) shared->Relock(access); // kept by a WriteBatch
            shared->AddUser(access);
            return shared;
        }
    }
    std::shared_ptr<TableData> data(new TableData(dbfPath, access));
    data->registryKey_ = key;
    data->Load();
    data->AddUser(access);
    registry[key] = data;
    return data;
}

std::shared_ptr<TableData> TableData::Find(const std::filesystem::path& dbfPath) {
    const auto it = Registry().find(RegistryKey(dbfPath));
    return it == Registry().end() ? nullptr : it->second.lock();
}

bool TableData::IsOpen(const std::filesystem::path& dbfPath) {
    const auto data = Find(dbfPath);
    return data && data->users_ > 0;
}

std::shared_ptr<TableData> TableData::CreateInMemory(const std::filesystem::path& dbfPath,
                                                     std::vector<std::uint8_t> header,
                                                     std::optional<std::vector<std::uint8_t>> index,
                                                     bool removeOldIndex) {
    std::shared_ptr<TableData> data(new TableData(dbfPath, Access::Shared));
    data->registryKey_ = RegistryKey(dbfPath);
    data->records_.assign(header.begin(), header.end());
    data->ParseRecords();
    data->mdxPath_ = MdxPathFor(dbfPath);
    if (index) data->UseMdx(ReadMdx(*index, FileNameText(data->mdxPath_)));
    data->removeOldIndex_ = removeOldIndex;
    data->dirty_ = true;
    Registry()[data->registryKey_] = data;
    return data;
}

// A table kept without cursors takes the lock of its new open. One created in
// memory has no file to lock until it is written.
void TableData::Relock(Access access) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dbfPath_, ec)) return;
    const auto kind = access == Access::Exclusive ? FileLock::Kind::Exclusive : FileLock::Kind::Shared;
    if (!lock_.Acquire(dbfPath_, kind))
        throw TableError(FormatText(TV_TEXT("Tablas", "La tabla '%1' está en uso por otro programa."),
                                    {FileNameText(dbfPath_)}));
}

void TableData::Forget() {
    const auto it = Registry().find(registryKey_);
    if (it != Registry().end() && it->second.lock().get() == this) Registry().erase(it);
    lock_.Release();
}

TableData::TableData(std::filesystem::path dbfPath, Access access)
    : dbfPath_(std::move(dbfPath)), access_(access) {}

TableData::~TableData() = default;

void TableData::AddUser(Access access) {
    if (users_ > 0 && (access == Access::Exclusive || access_ == Access::Exclusive))
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' está en uso."), {FileNameText(dbfPath_)}));
    if (users_ == 0 || access != Access::ReadOnly) access_ = access;
    ++users_;
}

bool TableData::RemoveUser() {
    if (--users_ > 0) return false;
    // Inside a write batch the changed rows wait in memory for its commit.
    if (dirty_ && WriteBatch::Keep(shared_from_this())) return true;
    Forget();
    Flush();
    return true;
}

std::optional<TableFiles> TableData::PendingFiles() {
    if (!dirty_) return std::nullopt;
    return TableFiles{dbfPath_, mdxPath_, MakeImage(), removeOldIndex_};
}

void TableData::Settle(bool written) {
    if (written) {
        dirty_ = false;
        removeOldIndex_ = false;
    }
    if (users_ == 0) return Forget();
    // As after any write: the lock is taken again on the new file.
    lock_.Acquire(dbfPath_,
                  access_ == Access::Exclusive ? FileLock::Kind::Exclusive : FileLock::Kind::Shared);
}

void TableData::Load() {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dbfPath_, ec))
        throw TableError(FormatText(TV_TEXT("Tablas", "No existe la tabla '%1'."), {FileNameText(dbfPath_)}));
    const auto kind = access_ == Access::Exclusive ? FileLock::Kind::Exclusive : FileLock::Kind::Shared;
    if (!lock_.Acquire(dbfPath_, kind))
        throw TableError(FormatText(TV_TEXT("Tablas", "La tabla '%1' está en uso por otro programa."),
                                    {FileNameText(dbfPath_)}));

    // The whole file goes into the record buffer, which then lets go of the
    // header in front and of anything after the last record: one copy of the
    // rows in memory, not two.
    records_ = ReadWholeFile<char>(dbfPath_);
    ParseRecords();
    LoadMdx();
}

// The file's bytes in records_ become the header and the rows.
void TableData::ParseRecords() {
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(records_.data()),
                                             records_.size());
    header_ = ParseDbfHeader(file, FileNameText(dbfPath_));
    headerBytes_.assign(file.begin(), file.begin() + header_.headerLength);
    for (const DbfField& f : header_.fields) {
        fieldInfos_.push_back({f.name, f.type, f.length, f.decimals});
        fieldNumbers_.emplace(AnsiUpperCase(f.name), static_cast<int>(fieldInfos_.size() - 1));
    }
    recordLength_ = header_.recordLength;
    hasAutoIncrement_ = std::any_of(header_.fields.begin(), header_.fields.end(),
                                    [](const DbfField& f) { return f.type == '+'; });
    const std::size_t dataBytes = static_cast<std::size_t>(header_.recordCount) * recordLength_;
    records_.erase(records_.begin(), records_.begin() + header_.headerLength);
    records_.resize(dataBytes);
    for (std::uint32_t r = 1; r <= header_.recordCount; ++r)
        if (!IsDeleted(r)) ++liveCount_;
}

void TableData::LoadMdx() {
    hasMdx_ = false;
    mdxPath_ = MdxPathFor(dbfPath_);
    std::error_code ec;
    // A flag without its file: read the rows anyway; the flag goes when we write.
    if (!std::filesystem::is_regular_file(mdxPath_, ec)) return;
    if (!header_.productionMdx) {
        AdoptUncommittedMdx();
        return;
    }
    UseMdx(ReadMdxTags(mdxPath_));
}

void TableData::UseMdx(MdxInfo mdx) {
    mdx_ = std::move(mdx);
    hasMdx_ = true;
    for (const MdxTag& tag : mdx_.tags) {
        const int field = tag.hasForFilter || tag.descending || tag.unique ? -1 : FieldNumber(tag.expression);
        // The tag's order is built from the rows when first used.
        tagFields_.push_back(field);
    }
}

// An .MDX beside a .DBF whose flag is clear is what a write stopped before
// its commit mark leaves (see table_files.h). The index itself is never
// trusted: its tags are taken when each names a field the descriptors mark
// as indexed, the orders are built from the rows, and the next write commits
// the pair. Any other .MDX there is not this table's and is left alone.
void TableData::AdoptUncommittedMdx() {
    MdxInfo mdx;
    try {
        mdx = ReadMdxTags(mdxPath_);
    } catch (const TableError&) {
        return;
    }
    if (mdx.tags.empty()) return;
    for (const MdxTag& tag : mdx.tags) {
        const int field = tag.hasForFilter || tag.descending || tag.unique ? -1 : FieldNumber(tag.expression);
        if (field < 0 || !header_.fields[field].hasTag) return;
    }
    UseMdx(std::move(mdx));
    if (access_ != Access::ReadOnly) dirty_ = true;
}

int TableData::FieldNumber(std::string_view name) const {
    // Field names are looked up for every read and write: exact spelling first.
    for (std::size_t i = 0; i < header_.fields.size(); ++i)
        if (header_.fields[i].name == name) return static_cast<int>(i);
    const auto it = fieldNumbers_.find(AnsiUpperCase(name));
    return it == fieldNumbers_.end() ? -1 : it->second;
}

bool TableData::HasTag(std::string_view fieldName) const {
    if (!hasMdx_) return false;
    for (std::size_t i = 0; i < mdx_.tags.size(); ++i)
        if (tagFields_[i] >= 0 && AnsiSameText(mdx_.tags[i].name, fieldName)) return true;
    return false;
}

RecordOrder& TableData::Index(std::string_view fieldName) {
    const int field = FieldNumber(fieldName);
    if (field < 0) throw MissingField(FileNameText(dbfPath_), fieldName);
    for (auto& index : indexes_)
        if (index->FieldNumber() == field) return *index;
    // Built from the rows by one sort, and kept current from then on.
    auto index = std::make_unique<RecordOrder>(header_.fields[field], field);
    index->Build(records_.data(), recordLength_, RecordCount());
    indexes_.push_back(std::move(index));
    return *indexes_.back();
}

void TableData::CheckWritable() const {
    for (std::size_t i = 0; i < tagFields_.size(); ++i)
        if (tagFields_[i] < 0)
            throw TableError(FormatText(
                TV_TEXT(
                    "Tablas",
                    "La tabla '%1' tiene un índice ('%2') que este programa no puede mantener; no se modifica."),
                {FileNameText(dbfPath_), mdx_.tags[i].name}));
}

std::uint32_t TableData::AppendRecord(const char* bytes) {
    CheckWritable();
    records_.insert(records_.end(), bytes, bytes + recordLength_);
    const std::uint32_t recno = RecordCount();
    NumberAutoIncrementFields(recno);
    for (auto& index : indexes_)
        index->Add(recno, Record(recno));
    if (!IsDeleted(recno)) ++liveCount_;
    dirty_ = true;
    listeners_->Notify({RowChange::Appended, recno});
    return recno;
}

void TableData::NumberAutoIncrementFields(std::uint32_t recno) {
    if (!hasAutoIncrement_) return;
    // Autoincrement fields left blank take the table's next number, as dBase gives it.
    for (DbfField& field : header_.fields) {
        if (field.type != '+') continue;
        char* value = records_.data() + (recno - 1) * recordLength_ + field.offset;
        if (!IsBlankField(field, {value, static_cast<std::size_t>(field.length)})) continue;
        EncodeNumber(field, field.nextAutoIncrement, value);
        ++field.nextAutoIncrement;
    }
}

std::vector<char> TableData::TakeRecords() {
    CheckWritable();
    indexes_.clear();
    liveCount_ = 0;
    return std::move(records_);
}

void TableData::AdoptRecords(std::vector<char> records, std::uint32_t firstNew) {
    records_ = std::move(records);
    indexes_.clear();
    liveCount_ = 0;
    for (std::uint32_t r = 1; r <= RecordCount(); ++r) {
        if (!IsDeleted(r)) ++liveCount_;
        if (r >= firstNew) NumberAutoIncrementFields(r);
    }
    dirty_ = true;
}

void TableData::ShareAccess() {
    if (access_ != Access::Exclusive) return;
    lock_.Release();
    Relock(Access::Shared);
    access_ = Access::Shared;
}

void TableData::UpdateRecord(std::uint32_t recno, const char* bytes) {
    CheckWritable();
    const bool wasDeleted = IsDeleted(recno);
    std::copy(bytes, bytes + recordLength_,
              records_.begin() + static_cast<std::ptrdiff_t>((recno - 1) * recordLength_));
    for (auto& index : indexes_)
        index->Update(recno, Record(recno));
    if (wasDeleted != IsDeleted(recno)) liveCount_ += wasDeleted ? 1 : -1;
    dirty_ = true;
    listeners_->Notify({RowChange::Changed, recno});
}

void TableData::DeleteRecord(std::uint32_t recno) {
    CheckWritable();
    if (IsDeleted(recno)) return;
    // Deleted rows stay in the file and in the index until a pack.
    records_[(recno - 1) * recordLength_] = '*';
    --liveCount_;
    dirty_ = true;
    listeners_->Notify({RowChange::Changed, recno});
}

std::vector<std::uint8_t> TableData::BuildMdxImage() {
    MdxBuild build;
    build.version = mdx_.version;
    build.tableName = dbfPath_.stem().string();
    build.languageDriver = mdx_.languageDriver;
    build.created = Today();
    build.updated = build.created;
    const std::size_t ordersInUse = indexes_.size(); // those built later are appended
    for (std::size_t i = 0; i < mdx_.tags.size(); ++i) {
        MdxTagContent content;
        content.tag = mdx_.tags[i];
        RecordOrder& index = Index(header_.fields[tagFields_[i]].name);
        // The order's own keys, without a copy; a tag whose key length differs
        // goes by entries, which BuildMdx refuses with the lengths named.
        if (index.KeyLength() == static_cast<std::size_t>(content.tag.keyLength)) {
            content.order = &index.Order();
            content.keys = index.Keys();
        } else {
            content.entries = index.Entries();
        }
        build.tags.push_back(std::move(content));
    }
    std::vector<std::uint8_t> image = BuildMdx(build);
    // The orders built for the file alone go with it: a step that walks one
    // builds it again, and none is kept current meanwhile. The orders steps
    // already used stay.
    indexes_.resize(ordersInUse);
    return image;
}

TableImage TableData::MakeImage() {
    header_.updated = Today();
    header_.recordCount = RecordCount();
    header_.productionMdx = hasMdx_;
    PatchDbfHeader(headerBytes_, header_);
    TableImage image{headerBytes_,
                     {reinterpret_cast<const std::uint8_t*>(records_.data()), records_.size()},
                     std::nullopt};
    if (hasMdx_) image.index = BuildMdxImage();
    return image;
}

void TableData::WriteFiles() {
    TableImage image = MakeImage();
    // Windows will not replace a file that a handle of ours holds open:
    // let go of the lock while the new files take the old ones' place.
    lock_.Release();
    const auto relock = [this] {
        if (users_ > 0)
            lock_.Acquire(dbfPath_,
                          access_ == Access::Exclusive ? FileLock::Kind::Exclusive : FileLock::Kind::Shared);
    };
    try {
        std::vector<TableFiles> files;
        files.push_back({dbfPath_, mdxPath_, std::move(image), removeOldIndex_});
        CommitTablesTogether(std::move(files));
        removeOldIndex_ = false;
    } catch (...) {
        relock();
        throw;
    }
    relock();
}

void TableData::Flush() {
    if (!dirty_) return;
    WriteFiles();
    dirty_ = false;
}

void TableData::Reindex() {
    CheckWritable();
    if (!hasMdx_) return;
    if (dirty_) {
        Flush();
        return;
    }
    CommitIndexFile(dbfPath_, mdxPath_, BuildMdxImage());
}

} // namespace tv::tables
