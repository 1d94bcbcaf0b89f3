// Inside the timetable check: the words that name a teacher, a class or a
// group for the user, the times of a class, and the checks of one record.
#pragma once

#include "tablorix_to_dae/name_index.h"
#include "tablorix_to_dae/timetable_check_input.h"
#include "tablorix_to_dae/timetable_check_records.h"
#include "tablorix_to_dae/timetable_finding.h"

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae::check {

// The findings as they come, blocking ones apart so that they lead the
// report, and at most kListedPerKind of each kind: beyond them a finding is
// only counted, its text never made.
class Findings {
  public:
    // `make` gives the finding, of `kind`.
    template <class Make> void Add(FindingKind kind, Make&& make) {
        if (++counts_[static_cast<std::size_t>(kind)] > kListedPerKind) return;
        Finding finding = make();
        (finding.severity == Severity::Blocking ? blocking_ : warnings_).push_back(std::move(finding));
    }
    // The listed findings of `severity`, each kind listed in part closed by
    // the line that counts the rest.
    std::vector<Finding> Take(Severity severity);

  private:
    std::vector<Finding> blocking_;
    std::vector<Finding> warnings_;
    std::array<std::size_t, static_cast<std::size_t>(FindingKind::ActivityNotInCatalogue) + 1> counts_{};
};

// "«text»" in Windows-1252.
std::string Quote(std::string_view text);
// "lunes" for day 1 ... "domingo" for 7; "día N" otherwise.
std::string DayName(std::string_view day);
// "Profesor ABC, lunes, sesión 3 (MAT)".
std::string ClassPlace(std::string_view teacher, std::string_view day, std::string_view period,
                       std::string_view subject);
std::string ClassPlace(const ClassRecord& c);
// "Grupo 1A con ABC, lunes, sesión 3".
std::string GroupPlace(std::string_view group, std::string_view teacher, std::string_view day,
                       std::string_view period);
std::string GroupPlace(const GroupRecord& g);
// "Profesor ABC" or, with a name, "Profesor ABC (Name)".
std::string TeacherPlace(std::string_view abbreviation, std::string_view name);
// The text without blanks and control characters at both ends (the wider
// trim), as a view: the checks of every record make no copies for it.
// Inline, as the next two: they run several times for every record.
inline std::string_view Trimmed(std::string_view text) {
    const auto kept = [](char c) { return static_cast<unsigned char>(c) > 0x20; };
    while (!text.empty() && !kept(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && !kept(text.back()))
        text.remove_suffix(1);
    return text;
}
// A whole number written in decimal digits, blanks around it aside.
inline std::optional<int> Number(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}
// Minutes since midnight of an "hh:mm" time (hours 00 to 24); nullopt otherwise.
inline std::optional<int> Minutes(std::string_view time) {
    const auto digit = [&](std::size_t i) { return time[i] >= '0' && time[i] <= '9'; };
    if (time.size() != 5 || time[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return std::nullopt;
    const int hours = (time[0] - '0') * 10 + (time[1] - '0');
    const int minutes = (time[3] - '0') * 10 + (time[4] - '0');
    if (hours > 24 || minutes > 59 || (hours == 24 && minutes > 0)) return std::nullopt;
    return hours * 60 + minutes;
}
// A teacher abbreviation as the work records hold it: cut to 10, no trailing blanks.
std::string RecordAbbreviation(std::string_view abbreviation);

// A finding about the centre (no teacher) or about a teacher's PROFT record.
Finding TableFinding(FindingKind kind, std::string text, std::string table, std::uint32_t record,
                     std::string teacher = {});
Finding ClassFinding(FindingKind kind, const ClassRecord& c, std::string text);
Finding GroupFinding(FindingKind kind, const GroupRecord& g, std::string text);

// Whole numbers looked up by a bit when they are small, as the template's
// periods and days are.
class NumberSet {
  public:
    explicit NumberSet(const std::set<int>& numbers);
    bool contains(int number) const {
        if (number >= 0 && static_cast<std::size_t>(number) < small_.size())
            return small_[static_cast<std::size_t>(number)];
        return others_.contains(number);
    }

  private:
    std::vector<bool> small_;
    std::set<int> others_;
};

// The catalogues as the checks of each class look them up.
struct CatalogueLookup {
    explicit CatalogueLookup(const CheckCatalogues& catalogues);
    std::optional<NumberSet> templatePeriods, templateDays;
    std::optional<NameIndex> subjects, activities, tasksWithActivity;
};

// What the checks read of a class as numbers, found once for all of them.
struct ClassNumbers {
    explicit ClassNumbers(const ClassRecord& c)
        : day(Number(c.day)), period(Number(c.period)), start(Minutes(c.start)), end(Minutes(c.end)) {}
    std::optional<int> day, period; // DIASEM, NUMSESION
    std::optional<int> start, end;  // HORAINI, HORAFIN in minutes
};

// The checks that one record decides alone: blocking ones
// (timetable_check_blocking.cpp) and warnings (timetable_check_warnings.cpp).
void CheckCentreRecord(const CheckCentre& centre, Findings& findings);
void CheckClassBlocking(const CatalogueLookup& catalogues, const ClassRecord& c, const ClassNumbers& numbers,
                        Findings& findings);
void CheckClassWarnings(const CatalogueLookup& catalogues, const ClassRecord& c, const ClassNumbers& numbers,
                        Findings& findings);
void CheckGroupBlocking(const GroupRecord& g, Findings& findings);
void CheckGroupWarnings(const GroupRecord& g, Findings& findings);
// PROFT alone: one document for two teachers.
void CheckSharedDocuments(const std::vector<CheckTeacher>& teachers, Findings& findings);

} // namespace tv::tablorix_to_dae::check
