// Reading the tables for the check of the timetable file: the centre, the
// teachers, the catalogues, then the work records streamed into the checker
// one by one (fields looked up once per table, one record object reused).
#include "tablorix_to_dae/timetable_check.h"
#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/file_names.h"
#include "tables/table_error.h"
#include "tables/text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tv::tablorix_to_dae {
namespace {

using tables::OpenMode;
using tables::Table;

bool TableExists(const std::filesystem::path& ktemp, std::string_view name) {
    return tables::FileExistsNoCase(ktemp, std::string(name) + ".DBF");
}

CheckCentre ReadCentre(const std::filesystem::path& ktemp) {
    CheckCentre centre;
    if (!TableExists(ktemp, "daeCENTRO")) return centre;
    Table t;
    t.Open(ktemp, "daeCENTRO", OpenMode::ReadOnly);
    t.First();
    if (t.Eof()) return centre;
    return {true, t.AsString("CODCENTRO"), t.AsString("ANOACAD")};
}

// Walks the window's teachers cursor. Its details are unlinked meanwhile (a
// move of the master would place each of them again) and then linked and put
// back on their records, linked as CodificationTables::Open links them.
std::vector<CheckTeacher> ReadTeachers(CodificationTables& tables) {
    std::vector<CheckTeacher> teachers;
    Table& cursor = tables.teachers;
    const tables::Bookmark teacherMark = cursor.GetBookmark();
    const tables::Bookmark classMark = tables.classes.GetBookmark();
    const tables::Bookmark groupMark = tables.groups.GetBookmark();
    const bool linked = tables.classes.Active() && tables.groups.Active() && tables.teacherGroups.Active();
    if (linked) {
        tables.teacherGroups.SetMasterSource(nullptr, "");
        tables.groups.SetMasterSource(nullptr, "");
        tables.classes.SetMasterSource(nullptr, "");
    }
    for (cursor.First(); !cursor.Eof(); cursor.Next())
        teachers.push_back({cursor.RecNo(), cursor.AsString("ABREV"), cursor.AsString("NOMBRE"),
                            cursor.AsString("TIPODNI"), cursor.AsString("DNI")});
    if (teacherMark.record != 0) cursor.GotoBookmark(teacherMark);
    if (linked) {
        tables.classes.SetMasterSource(&cursor, "ABREV");
        tables.groups.SetMasterSource(&tables.classes, "PROF_DIA_SES");
        tables.teacherGroups.SetMasterSource(&cursor, "ABREV");
    }
    if (classMark.record != 0) tables.classes.GotoBookmark(classMark);
    if (groupMark.record != 0) tables.groups.GotoBookmark(groupMark);
    return teachers;
}

// A field the check reads into a member of its record. A field read only to
// see whether it fits its place in the line (`place` not 0) is read only when
// the table's field is wider than that place: otherwise it always fits.
template <class Record> struct FieldRead {
    const char* field;
    std::string Record::*value;
    std::size_t place = 0;
};

// The position of each field that needs reading; a missing field is the
// table store's error.
template <class Record>
std::vector<std::pair<int, std::string Record::*>>
FieldsToRead(const Table& t, std::initializer_list<FieldRead<Record>> reads) {
    std::vector<std::pair<int, std::string Record::*>> fields;
    for (const FieldRead<Record>& read : reads) {
        const int index = t.FieldIndex(read.field);
        if (index < 0)
            throw tables::TableError("La tabla '" + t.FilePath().stem().string() + "' no tiene el campo '" +
                                     read.field + "'.");
        const auto width = static_cast<std::size_t>(t.Fields()[static_cast<std::size_t>(index)].length);
        if (read.place == 0 || width > read.place) fields.emplace_back(index, read.value);
    }
    return fields;
}

// The teacher, day and period of a record are characters 1-10, 11 and 12-13
// of its key, which the extraction writes them from.
template <class Record> void FromKey(Record& r, std::string& period) {
    const std::string_view key = r.key;
    r.teacher = TrimTrailing(key.substr(0, std::min<std::size_t>(key.size(), 10)));
    r.day = key.size() > 10 ? std::string(key.substr(10, 1)) : std::string();
    period = key.size() > 11 ? std::string(key.substr(11, 2)) : std::string();
}

// Walks `table` in key order, each record read into `record` and handed to
// `add`. The order is found once, as the PROF_DIA_SES index orders the
// records (the key's bytes, equal keys in record order), and the records are
// then visited by number: stepping along an index searches it at every step.
template <class Record, class Add>
void Stream(const std::filesystem::path& ktemp, std::string_view table,
            std::initializer_list<FieldRead<Record>> reads, Record& record, std::string& period, Add add) {
    Table t;
    t.Open(ktemp, table, OpenMode::ReadOnly);
    const auto fields = FieldsToRead(t, reads); // the key first
    struct Place {
        std::uint64_t head;              // the key's first 8 bytes, most significant first
        std::array<char, kKeyWidth> key; // blank-padded, as the index holds it
        std::uint32_t number;
        bool operator<(const Place& other) const {
            if (head != other.head) return head < other.head;
            const int byKey = std::memcmp(key.data() + 8, other.key.data() + 8, key.size() - 8);
            return byKey != 0 ? byKey < 0 : number < other.number;
        }
    };
    std::vector<Place> order;
    order.reserve(static_cast<std::size_t>(t.RecordCount()));
    for (t.First(); !t.Eof(); t.Next()) {
        Place place{};
        place.key.fill(' ');
        const std::string key = t.AsString(fields.front().first);
        std::memcpy(place.key.data(), key.data(), std::min(key.size(), place.key.size()));
        place.number = t.RecNo();
        place.head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            place.head = place.head << 8 | static_cast<unsigned char>(place.key[i]);
        order.push_back(place);
    }
    if (!std::is_sorted(order.begin(), order.end())) std::sort(order.begin(), order.end());
    for (const Place& place : order) {
        t.GotoBookmark({place.number});
        record.record = place.number;
        record.key = TrimTrailing(std::string_view(place.key.data(), place.key.size()));
        for (auto field = fields.begin() + 1; field != fields.end(); ++field)
            record.*(field->second) = t.AsString(field->first);
        FromKey(record, period);
        add(record);
    }
}

void ReadClasses(const std::filesystem::path& ktemp, TimetableChecker& checker) {
    using C = CheckClass;
    CheckClass c;
    Stream<C>(ktemp, kCuadroH2,
              {{"PROF_DIA_SES", &C::key},
               {"TIPDOC", &C::documentType},
               {"DOC", &C::document},
               {"TIPTAR", &C::task},
               {"HORAINI", &C::start},
               {"HORAFIN", &C::end},
               {"AULA_OBS", &C::room, 8},
               {"ABREVASIG", &C::subject},
               {"CODASIG", &C::subjectCode},
               {"TIPASIG", &C::subjectType, 1},
               {"IDIOMA", &C::language, 2},
               {"TIP_ACTIV", &C::activity},
               {"GRUPNIV", &C::level, 4},
               {"PLAN", &C::plan, 4}},
              c, c.period, [&](const CheckClass& record) { checker.AddClass(record); });
}

void ReadGroups(const std::filesystem::path& ktemp, TimetableChecker& checker) {
    using G = CheckGroup;
    CheckGroup g;
    Stream<G>(ktemp, kCuadroH3,
              {{"PROF_DIA_SES", &G::key},
               {"ABREVGRUP", &G::group},
               {"CODGRUPO", &G::code},
               {"NUMALUM", &G::pupils},
               {"ALIASDAE", &G::alias, 50}},
              g, g.period, [&](const CheckGroup& record) { checker.AddGroup(record); });
}

std::optional<std::set<int>> ReadTemplatePeriods(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, kTemplateTable)) return std::nullopt;
    std::set<int> periods;
    Table t;
    t.Open(ktemp, kTemplateTable, OpenMode::ReadOnly);
    for (t.First(); !t.Eof(); t.Next())
        periods.insert(t.AsInteger("HORA"));
    return periods;
}

// The days of Tablorix's day/hour table: the first character of each DIHO.
std::optional<std::set<int>> ReadTemplateDays(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, "DIASHORAST")) return std::nullopt;
    std::set<int> days;
    Table t;
    t.Open(ktemp, "DIASHORAST", OpenMode::ReadOnly);
    for (t.First(); !t.Eof(); t.Next()) {
        const std::string diho = TrimBoth(t.AsString("DIHO"));
        if (!diho.empty() && diho[0] >= '0' && diho[0] <= '9') days.insert(diho[0] - '0');
    }
    if (days.empty()) return std::nullopt;
    return days;
}

std::optional<std::unordered_set<std::string>> ReadCodes(const std::filesystem::path& ktemp,
                                                         std::string_view table) {
    if (!TableExists(ktemp, table)) return std::nullopt;
    std::unordered_set<std::string> codes;
    Table t;
    t.Open(ktemp, table, OpenMode::ReadOnly);
    for (t.First(); !t.Eof(); t.Next())
        codes.insert(TrimControl(t.AsString("COD")));
    return codes;
}

std::optional<std::unordered_set<std::string>> ReadTasksWithActivity(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, "daeTIPTAR")) return std::nullopt;
    Table t;
    t.Open(ktemp, "daeTIPTAR", OpenMode::ReadOnly);
    if (t.FieldIndex("OTRACTIV") < 0) return std::nullopt;
    std::unordered_set<std::string> codes;
    for (t.First(); !t.Eof(); t.Next())
        if (AnsiUpperCase(TrimControl(t.AsString("OTRACTIV"))) == "S")
            codes.insert(TrimControl(t.AsString("COD")));
    return codes;
}

} // namespace

std::vector<Finding> CheckTimetable(CodificationTables& tables, const std::filesystem::path& ktemp) {
    CheckCatalogues catalogues;
    catalogues.templatePeriods = ReadTemplatePeriods(ktemp);
    catalogues.templateDays = ReadTemplateDays(ktemp);
    catalogues.subjects = ReadCodes(ktemp, "daeASIGNAT");
    catalogues.activities = ReadCodes(ktemp, "daeOTRACT");
    catalogues.tasksWithActivity = ReadTasksWithActivity(ktemp);
    TimetableChecker checker(ReadCentre(ktemp), ReadTeachers(tables), std::move(catalogues));
    ReadClasses(ktemp, checker);
    ReadGroups(ktemp, checker);
    return checker.Finish();
}

} // namespace tv::tablorix_to_dae
