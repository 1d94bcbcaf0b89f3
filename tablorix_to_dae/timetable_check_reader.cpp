// Reading the tables for the check of the timetable file: the centre, the
// teachers, the catalogues, then the work records streamed into the checker
// one by one. The tables are read by rows (fields located once per table,
// records taken by number, one record object reused), not walked by cursors.
#include "tablorix_to_dae/timetable_check.h"
#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/file_names.h"
#include "tables/table_error.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tablorix_schema/centre_table.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

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
    if (!TableExists(ktemp, schema::kCentreTable)) return centre;
    Table t;
    t.Open(ktemp, schema::kCentreTable, OpenMode::ReadOnly);
    t.First();
    if (t.Eof()) return centre;
    return {true, t.AsString(schema::kCentreCodeField), t.AsString(schema::kAcademicYearField)};
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
        teachers.push_back({cursor.RecNo(), cursor.AsString(schema::kAbbreviationField),
                            cursor.AsString(schema::kTeacherNameField),
                            cursor.AsString(schema::kDocumentTypeField),
                            cursor.AsString(schema::kDocumentField)});
    if (teacherMark.record != 0) cursor.GotoBookmark(teacherMark);
    if (linked) {
        tables.classes.SetMasterSource(&cursor, schema::kAbbreviationField);
        tables.groups.SetMasterSource(&tables.classes, "PROF_DIA_SES");
        tables.teacherGroups.SetMasterSource(&cursor, schema::kAbbreviationField);
    }
    if (classMark.record != 0) tables.classes.GotoBookmark(classMark);
    if (groupMark.record != 0) tables.groups.GotoBookmark(groupMark);
    return teachers;
}

// A table of ktemp opened read-only, read by rows: the live rows in record
// order, as a cursor newly opened walks them, or in an index's order.
class RowsOf {
  public:
    RowsOf(const std::filesystem::path& ktemp, std::string_view name)
        : cursor_(Opened(ktemp, name)), rows_(cursor_) {}

    const Table& Cursor() const { return cursor_; }
    const tables::TableRows& Rows() const { return rows_; }

    template <class Visit> void ForEachLive(Visit visit) const {
        const std::uint32_t count = rows_.RecordCount();
        for (std::uint32_t n = 1; n <= count; ++n)
            if (!rows_.IsDeleted(n)) visit(rows_.Record(n));
    }

  private:
    static Table Opened(const std::filesystem::path& ktemp, std::string_view name) {
        Table t;
        t.Open(ktemp, name, OpenMode::ReadOnly);
        return t;
    }

    Table cursor_;
    tables::TableRows rows_;
};

// A field of a catalogue, read from its rows. A missing field is the
// cursor's error, met when a row's field is first read, as the cursor's walk
// met it (a table without rows reads nothing).
class Column {
  public:
    Column(const RowsOf& table, std::string_view name) : cursor_(&table.Cursor()), name_(name) {
        if (cursor_->FieldIndex(name) >= 0) slot_ = table.Rows().Field(name);
    }
    std::string Text(const char* record) const { return Slot().Text(record); }
    std::int32_t Integer(const char* record) const { return Slot().Integer(record); }

  private:
    const tables::FieldSlot& Slot() const {
        if (!slot_.def) cursor_->AsString(name_); // throws: the table has no such field
        return slot_;
    }

    const Table* cursor_;
    std::string name_;
    tables::FieldSlot slot_;
};

// A field the check reads into a member of its record. A field read only to
// see whether it fits its place in the line (`place` not 0) is read only when
// the table's field is wider than that place: otherwise it always fits.
template <class Record> struct FieldRead {
    const char* field;
    std::string Record::*value;
    std::size_t place = 0;
};

template <class Record> struct FieldToRead {
    tables::FieldSlot slot;
    std::string Record::*value;
};

// Each field that needs reading; a missing field is the table store's error.
template <class Record>
std::vector<FieldToRead<Record>> FieldsToRead(const RowsOf& t,
                                              std::initializer_list<FieldRead<Record>> reads) {
    std::vector<FieldToRead<Record>> fields;
    for (const FieldRead<Record>& read : reads) {
        const tables::FieldSlot slot = t.Rows().Field(read.field);
        const auto width = static_cast<std::size_t>(slot.def->length);
        if (read.place == 0 || width > read.place) fields.push_back({slot, read.value});
    }
    return fields;
}

// The teacher, day and period of a record are characters 1-10, 11 and 12-13
// of its key, which the extraction writes them from.
template <class Record> void FromKey(Record& r, std::string& period) {
    const std::string_view key = r.key;
    r.teacher = TrimTrailing(key.substr(0, std::min<std::size_t>(key.size(), 10)));
    r.day.clear(); // one character: GCC 12 for Windows warns falsely on assign()
    if (key.size() > 10) r.day.push_back(key[10]);
    period.assign(key.size() > 11 ? key.substr(11, 2) : std::string_view());
}

// Walks `table` in key order, each record read into `record` and handed to
// `add`. The records come as the PROF_DIA_SES index orders them (the key's
// bytes, equal keys in record order): the records' own order or the index's
// when it is that one, else sorted here.
template <class Record, class Reserve, class Add>
void Stream(const std::filesystem::path& ktemp, std::string_view table,
            std::initializer_list<FieldRead<Record>> reads, Record& record, std::string& period,
            Reserve reserve, Add add) {
    const RowsOf t(ktemp, table);
    const tables::TableRows& rows = t.Rows();
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
    order.reserve(rows.RecordCount());
    std::string key;
    const auto take = [&](std::uint32_t number) {
        if (rows.IsDeleted(number)) return;
        Place place{};
        place.key.fill(' ');
        key.clear();
        fields.front().slot.AppendText(key, rows.Record(number));
        std::memcpy(place.key.data(), key.data(), std::min(key.size(), place.key.size()));
        place.number = number;
        place.head = 0;
        for (std::size_t i = 0; i < 8; ++i)
            place.head = place.head << 8 | static_cast<unsigned char>(place.key[i]);
        order.push_back(place);
    };
    // The work tables are written in key order: the records in their own
    // order are mostly that one already, and the index's order is then not
    // needed.
    for (std::uint32_t number = 1; number <= rows.RecordCount(); ++number)
        take(number);
    if (!std::is_sorted(order.begin(), order.end())) {
        order.clear();
        for (const std::uint32_t number : rows.Order("PROF_DIA_SES"))
            take(number);
        if (!std::is_sorted(order.begin(), order.end())) std::sort(order.begin(), order.end());
    }
    reserve(order.size());
    for (const Place& place : order) {
        const char* row = rows.Record(place.number);
        record.record = place.number;
        record.key = TrimTrailing(std::string_view(place.key.data(), place.key.size()));
        for (auto field = fields.begin() + 1; field != fields.end(); ++field) {
            std::string& value = record.*(field->value);
            value.clear();
            field->slot.AppendText(value, row);
        }
        FromKey(record, period);
        add(record);
    }
}

void ReadClasses(const std::filesystem::path& ktemp, TimetableChecker& checker) {
    using C = CheckClass;
    CheckClass c;
    Stream<C>(
        ktemp, kCuadroH2,
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
        c, c.period, [&](std::size_t count) { checker.Reserve(count, 0); },
        [&](const CheckClass& record) { checker.AddClass(record); });
}

void ReadGroups(const std::filesystem::path& ktemp, TimetableChecker& checker) {
    using G = CheckGroup;
    CheckGroup g;
    Stream<G>(
        ktemp, kCuadroH3,
        {{"PROF_DIA_SES", &G::key},
         {"ABREVGRUP", &G::group},
         {"CODGRUPO", &G::code},
         {"NUMALUM", &G::pupils},
         {"ALIASDAE", &G::alias, 50}},
        g, g.period, [&](std::size_t count) { checker.Reserve(0, count); },
        [&](const CheckGroup& record) { checker.AddGroup(record); });
}

std::optional<std::set<int>> ReadTemplatePeriods(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, kTemplateTable)) return std::nullopt;
    std::set<int> periods;
    const RowsOf t(ktemp, kTemplateTable);
    const Column hour(t, "HORA");
    t.ForEachLive([&](const char* row) { periods.insert(hour.Integer(row)); });
    return periods;
}

// The days of Tablorix's day/hour table: the first character of each DIHO.
std::optional<std::set<int>> ReadTemplateDays(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, schema::kDayHourTable)) return std::nullopt;
    std::set<int> days;
    const RowsOf t(ktemp, schema::kDayHourTable);
    const Column dayHour(t, "DIHO");
    t.ForEachLive([&](const char* row) {
        const std::string diho = TrimBoth(dayHour.Text(row));
        if (!diho.empty() && diho[0] >= '0' && diho[0] <= '9') days.insert(diho[0] - '0');
    });
    if (days.empty()) return std::nullopt;
    return days;
}

std::optional<std::unordered_set<std::string>> ReadCodes(const std::filesystem::path& ktemp,
                                                         std::string_view table) {
    if (!TableExists(ktemp, table)) return std::nullopt;
    std::unordered_set<std::string> codes;
    const RowsOf t(ktemp, table);
    const Column code(t, "COD");
    t.ForEachLive([&](const char* row) { codes.insert(TrimControl(code.Text(row))); });
    return codes;
}

std::optional<std::unordered_set<std::string>> ReadTasksWithActivity(const std::filesystem::path& ktemp) {
    if (!TableExists(ktemp, schema::kTaskTypesTable)) return std::nullopt;
    const RowsOf t(ktemp, schema::kTaskTypesTable);
    if (t.Cursor().FieldIndex("OTRACTIV") < 0) return std::nullopt;
    const Column activity(t, "OTRACTIV");
    const Column code(t, "COD");
    std::unordered_set<std::string> codes;
    t.ForEachLive([&](const char* row) {
        if (AnsiUpperCase(TrimControl(activity.Text(row))) == "S") codes.insert(TrimControl(code.Text(row)));
    });
    return codes;
}

} // namespace

std::vector<Finding> CheckTimetable(CodificationTables& tables, const std::filesystem::path& ktemp) {
    CheckCatalogues catalogues;
    catalogues.templatePeriods = ReadTemplatePeriods(ktemp);
    catalogues.templateDays = ReadTemplateDays(ktemp);
    catalogues.subjects = ReadCodes(ktemp, schema::kDaeSubjectsTable);
    catalogues.activities = ReadCodes(ktemp, schema::kOtherActivitiesTable);
    catalogues.tasksWithActivity = ReadTasksWithActivity(ktemp);
    TimetableChecker checker(ReadCentre(ktemp), ReadTeachers(tables), std::move(catalogues));
    ReadClasses(ktemp, checker);
    ReadGroups(ktemp, checker);
    return checker.Finish();
}

} // namespace tv::tablorix_to_dae
