#include "tablorix_to_dae/timetable_check.h"

#include "tablorix_to_dae/timetable_check_parts.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"

namespace tv::tablorix_to_dae {
namespace check {

std::string Quote(std::string_view text) {
    return "\xAB" + std::string(text) + "\xBB";
}

std::string DayName(std::string_view day) {
    static constexpr std::string_view kDays[] = {"lunes",
                                                 "martes",
                                                 "mi\xE9rcoles",
                                                 "jueves",
                                                 "viernes",
                                                 "s\xE1"
                                                 "bado",
                                                 "domingo"};
    int number = 0;
    if (TryStrToInt(TrimBoth(day), number) && number >= 1 && number <= 7)
        return std::string(kDays[number - 1]);
    return "d\xED"
           "a " +
           std::string(day);
}

namespace {

std::string PeriodName(std::string_view period) {
    int number = 0;
    return "sesi\xF3n " + (TryStrToInt(TrimBoth(period), number) ? IntToStr(number) : std::string(period));
}

} // namespace

std::string ClassPlace(const CheckClass& c) {
    std::string place = "Profesor " + c.teacher + ", " + DayName(c.day) + ", " + PeriodName(c.period);
    if (!TrimControl(c.subject).empty()) place += " (" + c.subject + ")";
    return place;
}

std::string GroupPlace(const CheckGroup& g) {
    return "Grupo " + g.group + " con " + g.teacher + ", " + DayName(g.day) + ", " + PeriodName(g.period);
}

std::optional<int> Minutes(std::string_view time) {
    const auto digit = [&](std::size_t i) { return time[i] >= '0' && time[i] <= '9'; };
    if (time.size() != 5 || time[2] != ':' || !digit(0) || !digit(1) || !digit(3) || !digit(4))
        return std::nullopt;
    const int hours = (time[0] - '0') * 10 + (time[1] - '0');
    const int minutes = (time[3] - '0') * 10 + (time[4] - '0');
    if (hours > 24 || minutes > 59 || (hours == 24 && minutes > 0)) return std::nullopt;
    return hours * 60 + minutes;
}

std::string RecordAbbreviation(std::string_view abbreviation) {
    return TrimTrailing(abbreviation.substr(0, std::min<std::size_t>(abbreviation.size(), 10)));
}

Finding TableFinding(FindingKind kind, std::string text, std::string table, std::uint32_t record,
                     std::string teacher) {
    return {SeverityOf(kind), kind, std::move(text), std::move(table), record, std::move(teacher), {}, {}};
}

Finding ClassFinding(FindingKind kind, const CheckClass& c, std::string text) {
    return {SeverityOf(kind), kind, std::move(text), std::string(kCuadroH2), c.record, c.teacher, c.key, {}};
}

Finding GroupFinding(FindingKind kind, const CheckGroup& g, std::string text) {
    return {SeverityOf(kind), kind,      std::move(text), std::string(kCuadroH3),
            g.record,         g.teacher, g.key,           g.group};
}

} // namespace check

std::vector<Finding> CheckTimetable(const TimetableCheckInput& input) {
    std::vector<Finding> findings;
    check::AddBlocking(input, findings);
    check::AddWarnings(input, findings);
    return findings;
}

std::vector<Finding> CheckTimetable(CodificationTables& tables, const std::filesystem::path& ktemp) {
    return CheckTimetable(ReadCheckInput(tables, ktemp));
}

} // namespace tv::tablorix_to_dae
