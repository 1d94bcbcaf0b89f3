// Inside the timetable check: the words that name a teacher, a class or a
// group for the user, the times of a class, and the two halves of the check.
#pragma once

#include "tablorix_to_dae/timetable_check_input.h"
#include "tablorix_to_dae/timetable_finding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae::check {

// "«text»" in Windows-1252.
std::string Quote(std::string_view text);
// "lunes" for day 1 ... "domingo" for 7; "día N" otherwise.
std::string DayName(std::string_view day);
// "Profesor ABC, lunes, sesión 3 (MAT)".
std::string ClassPlace(const CheckClass& c);
// "Grupo 1A con ABC, lunes, sesión 3".
std::string GroupPlace(const CheckGroup& g);
// Minutes since midnight of an "hh:mm" time (hours 00 to 24); nullopt otherwise.
std::optional<int> Minutes(std::string_view time);
// A teacher abbreviation as the work records hold it: cut to 10, no trailing blanks.
std::string RecordAbbreviation(std::string_view abbreviation);

// A finding about the centre (no teacher) or about a teacher's PROFT record.
Finding TableFinding(FindingKind kind, std::string text, std::string table, std::uint32_t record,
                     std::string teacher = {});
Finding ClassFinding(FindingKind kind, const CheckClass& c, std::string text);
Finding GroupFinding(FindingKind kind, const CheckGroup& g, std::string text);

void AddBlocking(const TimetableCheckInput& input, std::vector<Finding>& findings);
void AddWarnings(const TimetableCheckInput& input, std::vector<Finding>& findings);

} // namespace tv::tablorix_to_dae::check
