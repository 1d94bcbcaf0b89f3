#include "tables/unsaved_tables.h"

#include "tables/table_error.h"

namespace tv::tables {
namespace {

std::optional<std::string>& FirstFailure() {
    static std::optional<std::string> failure;
    return failure;
}

} // namespace

void RecordUnsavedTable(const std::string& message) {
    if (!FirstFailure()) FirstFailure() = message;
}

std::optional<std::string> TakeUnsavedTableError() {
    std::optional<std::string> failure = std::move(FirstFailure());
    FirstFailure().reset();
    return failure;
}

void ThrowIfUnsavedTable() {
    if (auto failure = TakeUnsavedTableError()) throw TableError(*failure);
}

} // namespace tv::tables
