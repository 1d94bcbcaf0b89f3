// Tablorix's day/hour table DIASHORAST, one row per hour line of the chosen
// DAE template.
#pragma once

#include "tables/table.h"
#include "tablorix_schema/table_names.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tv::dae_to_tablorix {

using schema::kDayHourTable;

// Replaces DIASHORAST.DBF with an empty table; a DIASHORAST.MDX beside it is
// left as it was (Tablorix may keep one of its own).
void CreateDayHourTable(const std::filesystem::path& ktemp);

// Spanish name of day 1 (Monday) to 7; empty outside that range.
std::string DayName(int day);

// Appends the row of one hour line (kind, hour 2-3, day 4, start 5-9, end
// 10-14, break flag 15). `dayName` carries the previous row's day name: a day
// outside 1-7 repeats it. Throws ConversionError on a number that is not one.
void AppendHourRow(tables::Table& table, std::string_view hourLine, std::string_view templateCode,
                   std::string& dayName);

} // namespace tv::dae_to_tablorix
