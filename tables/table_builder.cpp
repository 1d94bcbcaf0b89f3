#include "tables/table_builder.h"

#include "tables/file_names.h"
#include "tables/table_creation.h"
#include "tables/table_data.h"
#include "tables/table_error.h"
#include "tables/write_batch.h"

namespace tv::tables {

TableBuilder::TableBuilder(const std::filesystem::path& folder, std::string_view name)
    : folder_(folder), name_(TableBaseName(name)) {
    data_ = TableData::Open(ResolveFileName(folder_, name_ + ".DBF"), TableData::Access::Exclusive);
    try {
        records_ = data_->TakeRecords();
    } catch (...) {
        data_->RemoveUser();
        throw;
    }
    recordLength_ = data_->RecordLength();
    firstNew_ = RecordCount() + 1;
    blank_.assign(recordLength_, ' ');
    for (const DbfField& def : data_->Fields())
        EncodeBlank(def, blank_.data() + def.offset);
}

TableBuilder::~TableBuilder() {
    if (!data_) return;
    try {
        // Nothing was handed back, so nothing is written: the files stay as they were.
        data_->RemoveUser();
    } catch (...) {
    }
}

FieldSlot TableBuilder::Field(std::string_view name) const {
    const int number = data_->FieldNumber(name);
    if (number < 0) throw MissingField(name_, name);
    return {&data_->Fields()[static_cast<std::size_t>(number)]};
}

std::uint32_t TableBuilder::Append() {
    return Append(blank_.data());
}

std::uint32_t TableBuilder::Append(const char* record) {
    records_.insert(records_.end(), record, record + recordLength_);
    return RecordCount();
}

Table TableBuilder::Write() {
    data_->AdoptRecords(std::move(records_), firstNew_);
    records_ = {};
    // Inside a write batch the files are written when it commits.
    if (!WriteBatch::IsOpen()) data_->Flush();
    data_->ShareAccess();
    Table table;
    table.Open(folder_, name_, OpenMode::Shared);
    const auto data = std::move(data_);
    data->RemoveUser();
    return table;
}

} // namespace tv::tables
