// Dates and timestamps of DBF fields. Timestamps count milliseconds from a
// day numbering in which 0001-01-01 is day 1 (so its midnight is 86,400,000).
#pragma once

#include <string>
#include <string_view>

namespace tv::tables::dbf_detail {

// "YYYY-MM-DD HH:MM:SS" of a timestamp field's milliseconds.
std::string TimestampText(double ms);
bool ParseTimestamp(std::string_view s, double& ms);
// An 8-digit YYYYMMDD date written to `out` when valid.
bool ParseDate(std::string_view s, char* out);

} // namespace tv::tables::dbf_detail
