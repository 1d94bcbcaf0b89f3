#include "tables/write_batch.h"

#include "tables/table_data.h"
#include "tables/table_files.h"
#include "tables/unsaved_tables.h"

#include <algorithm>
#include <exception>

namespace tv::tables {
namespace {

WriteBatch*& OpenBatch() {
    static WriteBatch* batch = nullptr;
    return batch;
}

} // namespace

WriteBatch::WriteBatch() {
    if (OpenBatch()) return;
    OpenBatch() = this;
    owner_ = true;
}

WriteBatch::~WriteBatch() {
    if (!owner_) return;
    try {
        Commit();
    } catch (const std::exception& error) {
        RecordUnsavedTable(error.what());
    }
    OpenBatch() = nullptr;
}

bool WriteBatch::IsOpen() {
    return OpenBatch() != nullptr;
}

bool WriteBatch::Keep(std::shared_ptr<TableData> data) {
    WriteBatch* batch = OpenBatch();
    if (!batch) return false;
    if (std::find(batch->kept_.begin(), batch->kept_.end(), data) == batch->kept_.end())
        batch->kept_.push_back(std::move(data));
    return true;
}

void WriteBatch::Drop(const std::shared_ptr<TableData>& data) {
    WriteBatch* batch = OpenBatch();
    if (!batch || !data) return;
    const auto kept = std::find(batch->kept_.begin(), batch->kept_.end(), data);
    if (kept == batch->kept_.end()) return;
    batch->kept_.erase(kept);
    data->Settle(false);
}

void WriteBatch::Commit() {
    if (!owner_) return;
    const std::vector<std::shared_ptr<TableData>> kept = std::move(kept_);
    kept_.clear();
    bool written = false;
    try {
        std::vector<TableFiles> files;
        for (const auto& data : kept)
            if (auto pending = data->PendingFiles()) files.push_back(std::move(*pending));
        // Windows will not replace a file that a handle of ours holds open.
        for (const auto& data : kept)
            data->ReleaseLock();
        CommitTablesTogether(std::move(files));
        written = true;
    } catch (...) {
        for (const auto& data : kept)
            data->Settle(false);
        throw;
    }
    for (const auto& data : kept)
        data->Settle(written);
}

} // namespace tv::tables
