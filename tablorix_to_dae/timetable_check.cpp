#include "tablorix_to_dae/timetable_check.h"

#include "tablorix_to_dae/timetable_check_parts.h"
#include "tablorix_to_dae/timetable_checker.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"
#include "tables/user_text.h"

namespace tv::tablorix_to_dae {
namespace check {

std::string Quote(std::string_view text) {
    return FormatText(TV_TEXT("Comprobación", "«%1»"), {text});
}

std::string DayName(std::string_view day) {
    int number = 0;
    switch (TryStrToInt(TrimBoth(day), number) ? number : 0) {
    case 1:
        return TV_TEXT("Comprobación", "lunes");
    case 2:
        return TV_TEXT("Comprobación", "martes");
    case 3:
        return TV_TEXT("Comprobación", "miércoles");
    case 4:
        return TV_TEXT("Comprobación", "jueves");
    case 5:
        return TV_TEXT("Comprobación", "viernes");
    case 6:
        return TV_TEXT("Comprobación", "sábado");
    case 7:
        return TV_TEXT("Comprobación", "domingo");
    default:
        return FormatText(TV_TEXT("Comprobación", "día %1"), {day});
    }
}

namespace {

std::string PeriodNumber(std::string_view period) {
    int number = 0;
    return TryStrToInt(TrimBoth(period), number) ? IntToStr(number) : std::string(period);
}

} // namespace

std::string ClassPlace(std::string_view teacher, std::string_view day, std::string_view period,
                       std::string_view subject) {
    if (TrimControl(subject).empty())
        return FormatText(TV_TEXT("Comprobación", "Profesor %1, %2, sesión %3"),
                          {teacher, DayName(day), PeriodNumber(period)});
    return FormatText(TV_TEXT("Comprobación", "Profesor %1, %2, sesión %3 (%4)"),
                      {teacher, DayName(day), PeriodNumber(period), subject});
}

std::string TeacherPlace(std::string_view abbreviation, std::string_view name) {
    if (TrimControl(name).empty()) return FormatText(TV_TEXT("Comprobación", "Profesor %1"), {abbreviation});
    return FormatText(TV_TEXT("Comprobación", "Profesor %1 (%2)"), {abbreviation, name});
}

std::string ClassPlace(const ClassRecord& c) {
    return ClassPlace(c.teacher, c.day, c.period, c.subject);
}

std::string GroupPlace(std::string_view group, std::string_view teacher, std::string_view day,
                       std::string_view period) {
    return FormatText(TV_TEXT("Comprobación", "Grupo %1 con %2, %3, sesión %4"),
                      {group, teacher, DayName(day), PeriodNumber(period)});
}

std::string GroupPlace(const GroupRecord& g) {
    return GroupPlace(g.group, g.teacher, g.day, g.period);
}

namespace {

template <class Codes> std::optional<NameIndex> Lookup(const std::optional<Codes>& codes) {
    if (!codes) return std::nullopt;
    return NameIndex(*codes);
}

std::optional<NumberSet> Lookup(const std::optional<std::set<int>>& numbers) {
    if (!numbers) return std::nullopt;
    return NumberSet(*numbers);
}

} // namespace

NumberSet::NumberSet(const std::set<int>& numbers) {
    constexpr int kSmall = 4096;
    for (const int number : numbers) {
        if (number < 0 || number >= kSmall) {
            others_.insert(number);
            continue;
        }
        if (static_cast<std::size_t>(number) >= small_.size())
            small_.resize(static_cast<std::size_t>(number) + 1);
        small_[static_cast<std::size_t>(number)] = true;
    }
}

CatalogueLookup::CatalogueLookup(const CheckCatalogues& catalogues)
    : templatePeriods(Lookup(catalogues.templatePeriods)), templateDays(Lookup(catalogues.templateDays)),
      subjects(Lookup(catalogues.subjects)), activities(Lookup(catalogues.activities)),
      tasksWithActivity(Lookup(catalogues.tasksWithActivity)) {}

std::vector<Finding> Findings::Take(Severity severity) {
    std::vector<Finding> listed = std::move(severity == Severity::Blocking ? blocking_ : warnings_);
    for (std::size_t kind = 0; kind < counts_.size(); ++kind) {
        const auto k = static_cast<FindingKind>(kind);
        if (SeverityOf(k) == severity && counts_[kind] > kListedPerKind)
            listed.push_back(MoreOfKind(k, counts_[kind] - kListedPerKind));
    }
    return listed;
}

std::string RecordAbbreviation(std::string_view abbreviation) {
    return TrimTrailing(abbreviation.substr(0, std::min<std::size_t>(abbreviation.size(), 10)));
}

Finding TableFinding(FindingKind kind, std::string text, std::string table, std::uint32_t record,
                     std::string teacher) {
    return {SeverityOf(kind), kind, std::move(text), std::move(table), record, std::move(teacher), {}, {}, 0};
}

Finding ClassFinding(FindingKind kind, const ClassRecord& c, std::string text) {
    return {SeverityOf(kind),       kind,     std::move(text),
            std::string(kCuadroH2), c.record, std::string(c.teacher),
            std::string(c.key),     {},       0};
}

Finding GroupFinding(FindingKind kind, const GroupRecord& g, std::string text) {
    return {SeverityOf(kind),   kind,
            std::move(text),    std::string(kCuadroH3),
            g.record,           std::string(g.teacher),
            std::string(g.key), std::string(g.group)};
}

} // namespace check

std::vector<Finding> CheckTimetable(const TimetableCheckInput& input) {
    TimetableChecker checker(input.centre, input.teachers, input.catalogues);
    for (const CheckClass& c : input.classes)
        checker.AddClass(RecordOf(c));
    for (const CheckGroup& g : input.groups)
        checker.AddGroup(RecordOf(g));
    return checker.Finish();
}

} // namespace tv::tablorix_to_dae
