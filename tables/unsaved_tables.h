// Write failures that no caller could be told of: a table closed by its
// cursor's destructor (while another error unwinds, or a step that forgot to
// close it) whose files could not be written. A run checks here before it
// writes its result or reports success.
#pragma once

#include <optional>
#include <string>

namespace tv::tables {

// Keeps the first such failure's message (Windows-1252).
void RecordUnsavedTable(const std::string& message);
// The first failure since the last call, if any; clears it.
std::optional<std::string> TakeUnsavedTableError();
// Throws TableError with the first failure since the last call, if any.
void ThrowIfUnsavedTable();

} // namespace tv::tables
