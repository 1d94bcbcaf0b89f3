// Reading the tables for the check of the timetable file: the centre, the
// teachers, the catalogues, then the work records streamed into the checker
// one by one. The tables are read by rows (fields located once per table,
// records taken by number, one record object reused), not walked by cursors.
#include "tablorix_to_dae/timetable_check.h"
#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/blank_marks.h"
#include "tables/file_names.h"
#include "tables/table_error.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tablorix_schema/centre_table.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <deque>

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

// The window's teachers, walked as WalkTeachers walks them: the window's
// cursors are put back where they stood.
std::vector<CheckTeacher> ReadTeachers(CodificationTables& tables) {
    std::vector<CheckTeacher> teachers;
    const Table& cursor = tables.teachers;
    tables.WalkTeachers([&] {
        teachers.push_back({cursor.RecNo(), cursor.AsString(schema::kAbbreviationField),
                            cursor.AsString(schema::kTeacherNameField),
                            cursor.AsString(schema::kDocumentTypeField),
                            cursor.AsString(schema::kDocumentField)});
        return true;
    });
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
    std::string_view Record::*value;
    std::size_t place = 0;
};

template <class Record> struct FieldToRead {
    tables::FieldSlot slot;
    std::string_view Record::*value;
    // Where its bytes are, for a character field read as a view of them.
    std::size_t offset = static_cast<std::size_t>(slot.def->offset);
    std::size_t length = static_cast<std::size_t>(slot.def->length);
    bool characters = slot.def->type == 'C';
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

std::string_view WithoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1); // npos + 1 is 0
}

// A work table's rows in key order and what the views of its records point
// into, kept until the check has finished.
class WorkRows {
  public:
    WorkRows(const std::filesystem::path& ktemp, std::string_view table) : table_(ktemp, table) {}

    const tables::TableRows& Rows() const { return table_.Rows(); }
    const RowsOf& Table() const { return table_; }

    // Hands `visit` the live records, row and number, with the key as the
    // cursor reads it, as the PROF_DIA_SES index orders them (the key's
    // bytes, equal keys in record order). As they lie: in their own order,
    // each key seen to follow the one before; false, and none visited
    // after it, at the first that does not.
    enum class Walk { AsTheyLie, ByKey };
    template <class Visit> bool InKeyOrder(const tables::FieldSlot& keyField, Walk walk, Visit visit);

    // The fields read: views of the row's bytes when none of them holds a NUL.
    void Reading(const std::vector<tables::FieldSlot>& fields);
    // Marks the row's fields read; whether they are their bytes as they are (no NUL).
    bool Plain(const char* row) { return !marks_->Mark(row); }
    const tables::BlankMarks& Marks() const { return *marks_; }
    // A field's text as the cursor reads it when it is not its bytes as
    // they are (NULs inside read as blanks, a field that is not of characters).
    std::string_view Copy(const tables::FieldSlot& slot, const char* row) {
        std::string& text = copies_.emplace_back();
        slot.AppendText(text, row);
        return text;
    }

  private:
    // A record's place in the key order, with its key as the index holds it.
    struct Place {
        std::uint64_t head;              // the key's first 8 bytes, most significant first
        std::array<char, kKeyWidth> key; // blank-padded, NULs read as blanks
        std::uint32_t number;
        bool operator<(const Place& other) const {
            if (head != other.head) return head < other.head;
            const int byKey = std::memcmp(key.data() + 8, other.key.data() + 8, key.size() - 8);
            return byKey != 0 ? byKey < 0 : number < other.number;
        }
    };

    void Take(const tables::FieldSlot& keyField, std::uint32_t number);

    RowsOf table_;
    std::vector<Place> order_;       // when the records' own order is not the key's
    std::deque<std::string> copies_; // their places stay as the deque grows
    std::optional<tables::BlankMarks> marks_;
};

void WorkRows::Reading(const std::vector<tables::FieldSlot>& fields) {
    std::size_t from = ~std::size_t{0}, to = 0;
    for (const tables::FieldSlot& field : fields) {
        from = std::min<std::size_t>(from, field.def->offset);
        to = std::max<std::size_t>(to, field.def->offset + static_cast<std::size_t>(field.def->length));
    }
    marks_.emplace(std::min(from, to), to);
}

// Whether each key, its bytes as they are, follows the one before: of a
// field no wider than the key, they order the keys as the padded ones do.
class KeysInOrder {
  public:
    explicit KeysInOrder(std::size_t width) : width_(width) {}
    bool Next(const char* key) {
        if (width_ != kKeyWidth) {
            if (std::memchr(key, '\0', width_) != nullptr) return false;
            if (previous_ && std::memcmp(previous_, key, width_) > 0) return false;
            previous_ = key;
            return true;
        }
        // Of the whole width: two words that overlap, most significant byte
        // first, so that a NUL and the order are found without a call.
        static_assert(kKeyWidth >= 8 && kKeyWidth <= 16);
        const std::uint64_t first = Word(key), last = Word(key + kKeyWidth - 8);
        if (HasNul(first) || HasNul(last)) return false;
        const std::uint64_t high = BigEndian(first), low = BigEndian(last);
        if (high < high_ || (high == high_ && low < low_)) return false;
        high_ = high;
        low_ = low;
        return true;
    }

  private:
    static std::uint64_t Word(const char* at) {
        std::uint64_t word;
        std::memcpy(&word, at, 8);
        return word;
    }
    static bool HasNul(std::uint64_t word) {
        return ((word - 0x0101010101010101ULL) & ~word & 0x8080808080808080ULL) != 0;
    }
    static std::uint64_t BigEndian(std::uint64_t word) {
        return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
    }

    std::size_t width_;
    const char* previous_ = nullptr;
    std::uint64_t high_ = 0, low_ = 0;
};

void WorkRows::Take(const tables::FieldSlot& keyField, std::uint32_t number) {
    const tables::TableRows& rows = Rows();
    if (rows.IsDeleted(number)) return;
    Place place{};
    place.key.fill(' ');
    if (keyField.def->type == 'C') {
        const std::string_view bytes = keyField.Bytes(rows.Record(number));
        for (std::size_t i = 0; i < std::min(bytes.size(), place.key.size()); ++i)
            if (bytes[i] != '\0') place.key[i] = bytes[i];
    } else {
        const std::string key = keyField.Text(rows.Record(number));
        std::memcpy(place.key.data(), key.data(), std::min(key.size(), place.key.size()));
    }
    place.number = number;
    place.head = 0;
    for (std::size_t i = 0; i < 8; ++i)
        place.head = place.head << 8 | static_cast<unsigned char>(place.key[i]);
    order_.push_back(place);
}

template <class Visit> bool WorkRows::InKeyOrder(const tables::FieldSlot& keyField, Walk walk, Visit visit) {
    const tables::TableRows& rows = Rows();
    if (walk == Walk::AsTheyLie) {
        if (keyField.def->type != 'C') return false;
        const std::size_t width = std::min<std::size_t>(keyField.def->length, kKeyWidth);
        KeysInOrder inOrder(width);
        const std::uint32_t count = rows.RecordCount();
        // The rows lie one after another: those a few ahead are fetched while
        // the checks of this one run.
        constexpr std::uint32_t kAhead = 8;
        const std::size_t rowLength =
            count >= 2 ? static_cast<std::size_t>(rows.Record(2) - rows.Record(1)) : 0;
        for (std::uint32_t number = 1; number <= count; ++number) {
            const char* row = rows.Record(number);
            if (number + kAhead <= count)
                for (std::size_t line = 0; line < rowLength; line += 64)
                    __builtin_prefetch(row + kAhead * rowLength + line);
            if (row[0] == '*') continue;
            const char* key = row + keyField.def->offset;
            if (!inOrder.Next(key)) return false;
            visit(row, number, WithoutTrailingBlanks({key, width}));
        }
        return true;
    }
    order_.reserve(rows.RecordCount());
    for (std::uint32_t number = 1; number <= rows.RecordCount(); ++number)
        Take(keyField, number);
    if (!std::is_sorted(order_.begin(), order_.end())) {
        order_.clear();
        for (const std::uint32_t number : rows.Order("PROF_DIA_SES"))
            Take(keyField, number);
        if (!std::is_sorted(order_.begin(), order_.end())) std::sort(order_.begin(), order_.end());
    }
    for (const Place& place : order_)
        visit(rows.Record(place.number), place.number,
              WithoutTrailingBlanks({place.key.data(), place.key.size()}));
    return true;
}

// Walks the work table in key order, each record's fields viewed in `record`
// and the record handed to `add`. The teacher, day and period of a record are
// characters 1-10, 11 and 12-13 of its key, which the extraction writes them
// from.
template <class Record, class Reserve, class Add>
bool Stream(WorkRows& table, WorkRows::Walk walk, std::initializer_list<FieldRead<Record>> reads,
            std::string_view Record::*period, Reserve reserve, Add add) {
    const auto fields = FieldsToRead(table.Table(), reads); // the key first
    // The key is read apart, by the walk: it is not marked (of a CUADROH3 row,
    // it would double the stretch).
    std::vector<tables::FieldSlot> slots;
    for (auto field = fields.begin() + 1; field != fields.end(); ++field)
        slots.push_back(field->slot);
    table.Reading(slots);
    reserve(table.Rows().RecordCount()); // the deleted ones too: room enough
    const tables::BlankMarks& marks = table.Marks();
    Record record;
    return table.InKeyOrder(
        fields.front().slot, walk, [&](const char* row, std::uint32_t number, std::string_view key) {
            // A character field of a row without NULs is a view of its bytes,
            // without the trailing blanks the marks show, as the cursor reads it.
            const bool plain = table.Plain(row);
            record.record = number;
            record.key = key;
            for (auto field = fields.begin() + 1; field != fields.end(); ++field)
                record.*(field->value) =
                    plain && field->characters
                        ? std::string_view(row + field->offset,
                                           marks.TrimmedLength(field->offset, field->length))
                        : table.Copy(field->slot, row);
            record.teacher = WithoutTrailingBlanks(key.substr(0, std::min<std::size_t>(key.size(), 10)));
            record.day = key.size() > 10 ? key.substr(10, 1) : std::string_view();
            record.*period = key.size() > 11 ? key.substr(11, 2) : std::string_view();
            add(record);
        });
}

bool ReadClasses(WorkRows& table, WorkRows::Walk walk, TimetableChecker& checker) {
    using C = ClassRecord;
    return Stream<C>(
        table, walk,
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
        &C::period, [&](std::size_t count) { checker.Reserve(count, 0); },
        [&](const ClassRecord& record) { checker.AddClass(record); });
}

bool ReadGroups(WorkRows& table, WorkRows::Walk walk, TimetableChecker& checker) {
    using G = GroupRecord;
    return Stream<G>(
        table, walk,
        {{"PROF_DIA_SES", &G::key},
         {"ABREVGRUP", &G::group},
         {"CODGRUPO", &G::code},
         {"NUMALUM", &G::pupils},
         {"ALIASDAE", &G::alias, 50}},
        &G::period, [&](std::size_t count) { checker.Reserve(0, count); },
        [&](const GroupRecord& record) { checker.AddGroup(record); });
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

namespace {

// The check with the work records walked so; none when walked as they lie
// and a key is found out of order.
std::optional<std::vector<Finding>> CheckWalked(CodificationTables& tables,
                                                const std::filesystem::path& ktemp, WorkRows::Walk walk) {
    CheckCatalogues catalogues;
    catalogues.templatePeriods = ReadTemplatePeriods(ktemp);
    catalogues.templateDays = ReadTemplateDays(ktemp);
    catalogues.subjects = ReadCodes(ktemp, schema::kDaeSubjectsTable);
    catalogues.activities = ReadCodes(ktemp, schema::kOtherActivitiesTable);
    catalogues.tasksWithActivity = ReadTasksWithActivity(ktemp);
    // The checker keeps views of the work tables' rows until it finishes.
    std::optional<WorkRows> classes, groups;
    TimetableChecker checker(ReadCentre(ktemp), ReadTeachers(tables), std::move(catalogues));
    if (!ReadClasses(classes.emplace(ktemp, kCuadroH2), walk, checker) ||
        !ReadGroups(groups.emplace(ktemp, kCuadroH3), walk, checker))
        return std::nullopt;
    return checker.Finish();
}

} // namespace

std::vector<Finding> CheckTimetable(CodificationTables& tables, const std::filesystem::path& ktemp) {
    // The work tables are written in key order and mostly still lie so: they
    // are checked as they lie, their order seen on the way, which spares a
    // walk of their rows before it; only when a key is out of order are they
    // checked again in the order of their keys.
    if (auto findings = CheckWalked(tables, ktemp, WorkRows::Walk::AsTheyLie)) return std::move(*findings);
    return *CheckWalked(tables, ktemp, WorkRows::Walk::ByKey);
}

} // namespace tv::tablorix_to_dae
