// GRUPOST: one row per group of GRUPOS.txt, with its shift letter, level
// abbreviation, course, number within level and course, a unique
// abbreviation, a readable description, its tutor and its DAE keys unchanged.
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/unique_codes.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/table_builder.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

#include <optional>
#include <unordered_map>
#include <utility>

namespace tv::dae_to_tablorix {

namespace {

constexpr std::size_t kHeadLength = 13;
constexpr std::size_t kGroupRecordLength = 547;
constexpr std::size_t kPupilRecordLength = 23; // the records of kind "3" after a group

tables::TableDecl GroupTableDecl() {
    return {{TextField("ABREV", 10),       TextField("TURNO", 1),     TextField("NIVEL", 5),
             TextField("CURSO", 3),        TextField("GRUPO", 2),     TextField("MARCO", 1),
             TextField("DESCRIP", 80),     TextField("TUTOR", 10),    IntegerField("MAXALUM"),
             TextField("CODGRUDAE", 8),    TextField("ALIASDAE", 50), TextField("PLANDAE", 4),
             TextField("NIVELDAE", 4),     TextField("ESPECDAE", 4),  TextField("TURNODAE", 4),
             TextField("CURSODAE", 4),     TextField("MODELODAE", 4), TextField("TIPGRUDAE", 4),
             TextField("CODPLANTIDAE", 8), TextField("TIPDOCDAE", 4), TextField("DNITUTORDAE", 15),
             TextField("AULAGRUDAE", 8)},
            {}};
}

// The DAE keys kept unchanged: field, position and width in the record.
struct DaeKeyField {
    const char* field;
    std::size_t position;
    std::size_t width;
};
constexpr DaeKeyField kDaeKeyFields[] = {
    {"CODGRUDAE", 2, 8},    {"ALIASDAE", 10, 50},    {"PLANDAE", 60, 4},   {"NIVELDAE", 64, 4},
    {"ESPECDAE", 68, 4},    {"TURNODAE", 72, 4},     {"CURSODAE", 76, 4},  {"MODELODAE", 80, 4},
    {"TIPGRUDAE", 84, 4},   {"CODPLANTIDAE", 88, 8}, {"TIPDOCDAE", 96, 4}, {"DNITUTORDAE", 100, 15},
    {"AULAGRUDAE", 540, 8},
};

using Lookup = std::unordered_map<std::string, std::string>;

// Code -> text, the first row of each code winning, as a search in the order
// of `orderField`'s index (record order when empty) finds it.
Lookup ReadLookup(const tables::Table& table, std::string_view keyField, std::string_view valueField,
                  std::string_view orderField = {}) {
    const tables::TableRows rows(table);
    const tables::FieldSlot key = rows.Field(keyField);
    const tables::FieldSlot value = rows.Field(valueField);
    Lookup lookup;
    const auto take = [&](std::uint32_t recno) {
        if (rows.IsDeleted(recno)) return;
        const char* record = rows.Record(recno);
        lookup.try_emplace(key.Text(record), value.Text(record));
    };
    if (orderField.empty()) {
        for (std::uint32_t recno = 1; recno <= rows.RecordCount(); ++recno)
            take(recno);
    } else {
        for (const std::uint32_t recno : rows.Order(orderField))
            take(recno);
    }
    return lookup;
}

const std::string* Find(const Lookup& lookup, const std::string& key) {
    const auto found = lookup.find(key);
    return found == lookup.end() ? nullptr : &found->second;
}

std::string ShiftLetter(std::string_view shiftCode) {
    switch (const int shift = StrToInt(TrimBoth(Cut(shiftCode, 4, 1)))) {
    case 1:
        return "M";
    case 2:
        return "V";
    case 3:
        return "N";
    case 4:
        return "D";
    default:
        return IntToStr(shift);
    }
}

// The value MAXALUM takes from its text; nullopt for an empty text, which
// leaves the field blank. Throws ConversionError as SetIntegerFromText does.
std::optional<long long> PupilLimit(std::string_view text) {
    if (text.empty()) return std::nullopt;
    return IntegerFromText("MAXALUM", text);
}

class GroupWriter {
  public:
    GroupWriter(tables::TableBuilder& groups, Lookup levels, Lookup specialities, Lookup tutors)
        : groups_(groups), levels_(std::move(levels)), specialities_(std::move(specialities)),
          tutors_(std::move(tutors)), abbreviation_(groups.Field(schema::kAbbreviationField)),
          shift_(groups.Field("TURNO")), level_(groups.Field("NIVEL")), course_(groups.Field("CURSO")),
          number_(groups.Field("GRUPO")), frame_(groups.Field("MARCO")),
          description_(groups.Field("DESCRIP")), tutor_(groups.Field("TUTOR")),
          pupils_(groups.Field("MAXALUM")) {
        for (std::size_t i = 0; i < std::size(kDaeKeyFields); ++i)
            daeKeys_[i] = groups.Field(kDaeKeyFields[i].field);
    }

    // A record whose numbers are no numbers throws before its row is added.
    void Write(std::string_view record) {
        const std::string shift = ShiftLetter(Cut(record, 72, 4));
        const std::string level = Level(Cut(record, 64, 4));
        const std::string* speciality = Find(specialities_, TrimTrailing(Cut(record, 68, 4)));
        const std::string course = TrimBoth(Cut(Cut(record, 76, 4), 3, 2));

        std::string key = TrimBoth(Cut(level, 1, 5)) + TrimBoth(Cut(course, 1, 2)) + "1";
        if (groupKeys_.Contains(key)) {
            key = groupKeys_.TakeSuffixed(std::string_view(key).substr(0, key.size() - 1));
        } else {
            groupKeys_.Add(key);
        }
        const std::string number = key.substr(key.size() - 1);
        const std::string abbreviation = abbreviations_.Take(key);
        const std::optional<long long> pupils = PupilLimit(Cut(record, 286, 4));

        char* row = groups_.Record(groups_.Append());
        abbreviation_.SetText(row, abbreviation);
        shift_.SetText(row, shift);
        level_.SetText(row, level);
        course_.SetText(row, course);
        number_.SetText(row, number);
        frame_.SetText(row, "0");
        description_.SetText(row, shift + " " + level + " " + course + " " + number + "/" +
                                      Field(record, 10, 50) + "/" + Field(record, 290, 50) + " " +
                                      TrimBoth(speciality ? *speciality : std::string()));
        // A blank document is no document: it must not find a teacher without one.
        const std::string tutorDocument = TrimTrailing(Cut(record, 100, 15));
        if (const std::string* tutor = tutorDocument.empty() ? nullptr : Find(tutors_, tutorDocument))
            tutor_.SetText(row, *tutor);
        if (pupils) // as Table::SetInteger stores it
            tables::EncodeNumber(*pupils_.def, static_cast<double>(*pupils), row + pupils_.def->offset);
        for (std::size_t i = 0; i < std::size(kDaeKeyFields); ++i)
            daeKeys_[i].SetText(row, Cut(record, kDaeKeyFields[i].position, kDaeKeyFields[i].width));
    }

  private:
    // The abbreviation the user gave the level; "NIV" when left empty; the DAE
    // code itself for a level the centre does not list.
    std::string Level(std::string_view levelCode) const {
        std::string level = TrimBoth(levelCode);
        if (const std::string* abbreviation = Find(levels_, level)) level = *abbreviation;
        if (TrimBoth(level).empty()) level = "NIV";
        return level;
    }

    tables::TableBuilder& groups_;
    Lookup levels_;
    Lookup specialities_;
    Lookup tutors_;
    tables::FieldSlot abbreviation_, shift_, level_, course_, number_, frame_, description_, tutor_, pupils_;
    tables::FieldSlot daeKeys_[std::size(kDaeKeyFields)];
    UniqueCodes groupKeys_{LetterCase::Sensitive};
    UniqueCodes abbreviations_{LetterCase::Sensitive};
};

// After a group come its records of kind "3". Anything else that is not the
// next group is passed over 23 characters at a time, so the walk always ends.
std::size_t SkipPupilRecords(std::string_view line, std::size_t position) {
    do {
        if (position >= line.size() || line[position] == '2') break;
        position += kPupilRecordLength;
    } while (position + 1 < line.size());
    return position;
}

} // namespace

void CreaGrupos(ExportContext& context) {
    const auto file = FindDaeFile(context, "GRUPOS.txt",
                                  TV_TEXT("Exportar", "No existe archivo DAE de Grupos (GRUPOS.txt)"));
    if (!file) return;
    const FirstLine firstLine(*file);
    const std::string_view line = firstLine.Text();
    tables::Table::Create(context.ktemp, schema::kGroupTable, GroupTableDecl());
    // Thousands of rows: built in bulk, at most one per group record of the line.
    tables::TableBuilder groups(context.ktemp, schema::kGroupTable);
    groups.Reserve(static_cast<std::uint32_t>(line.size() / kGroupRecordLength + 1));

    tables::Table levels;
    levels.Open(context.ktemp, schema::kLevelsTable, tables::OpenMode::ReadOnly);
    tables::Table specialities;
    specialities.Open(context.ktemp, schema::kSpecialitiesTable, tables::OpenMode::ReadOnly);
    tables::Table teachers;
    teachers.Open(context.ktemp, schema::kTeacherTable, tables::OpenMode::Exclusive);
    const bool basque = context.Basque();
    // Of teachers sharing a document, the tutor is the first in abbreviation order.
    GroupWriter writer(
        groups, ReadLookup(levels, "COD", basque ? "ABREVEUSK" : "ABREVCAST"),
        ReadLookup(specialities, "COD", basque ? "DESCEUSK" : "DESCCAST"),
        ReadLookup(teachers, schema::kDocumentField, schema::kAbbreviationField, schema::kAbbreviationField));
    teachers.Close();
    specialities.Close();
    levels.Close();

    const std::string_view text = line;
    std::size_t position = kHeadLength;
    try {
        while (position < text.size()) {
            const std::string_view record = text.substr(position, kGroupRecordLength);
            position += kGroupRecordLength;
            if (record.front() != '2') continue;
            writer.Write(record);
            position = SkipPupilRecords(text, position);
        }
    } catch (...) {
        groups.Write().Close(); // the rows written so far stay
        throw;
    }
    groups.Write().Close();
}

} // namespace tv::dae_to_tablorix
