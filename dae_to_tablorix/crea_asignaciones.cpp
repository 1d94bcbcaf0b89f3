// ASIGT: for each line of V55T15W18T54_2.txt (plan, level and speciality with
// one of their subjects), one assignment of the subject to the first group of
// that plan, level and speciality, with fixed hours and no teacher. Each
// subject used also learns in ASIGNOMT the level and course it belongs to.
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/table_builder.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

#include <unordered_map>
#include <vector>

namespace tv::dae_to_tablorix {

namespace {

constexpr std::size_t kRecordLength = 20;

tables::TableDecl AssignmentTableDecl() {
    return {{TextField("CASIG", 10),       TextField("CPROF", 10),       TextField("CGRUP", 10),
             TextField("CAULA", 10),       TextField("TURNO", 1),        TextField("NIVEL", 5),
             TextField("CURSO", 3),        TextField("GRUPO", 2),        FloatField("HORAS"),
             TextField("SESIONES", 20),    TextField("CTAREA", 10),      TextField("CLAVEGRUPO", 10),
             TextField("CLAVETURNO", 10),  TextField("CLAVENIVEL", 10),  TextField("CLAVEPLAN", 10),
             TextField("CLAVECURSO", 10),  TextField("CLAVEESPEC", 10),  TextField("CLAVEMODEL", 10),
             TextField("CLAVETIPGRU", 10), TextField("CLAVEPLANTI", 10), TextField("CLAVEASIG", 10)},
            {}};
}

// A text key made of several values; '\0' never occurs inside them. Made
// into `key`, so that a loop reuses one buffer.
const std::string& JoinKey(std::string& key, std::initializer_list<std::string_view> parts) {
    key.clear();
    for (const std::string_view part : parts) {
        key += part;
        key += '\0';
    }
    return key;
}

std::string JoinKey(std::initializer_list<std::string_view> parts) {
    std::string key;
    return JoinKey(key, parts);
}

// Without the blanks at its end, as a stored value reads back.
std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// ASIGT field <- GRUPOST field, copied for every assignment of the group.
constexpr std::pair<const char*, const char*> kGroupFieldsCopied[] = {
    {"CGRUP", "ABREV"},          {"CAULA", "AULAGRUDAE"},      {"TURNO", "TURNO"},
    {"NIVEL", "NIVEL"},          {"CURSO", "CURSO"},           {"GRUPO", "GRUPO"},
    {"CLAVEGRUPO", "CODGRUDAE"}, {"CLAVETURNO", "TURNODAE"},   {"CLAVENIVEL", "NIVELDAE"},
    {"CLAVEPLAN", "PLANDAE"},    {"CLAVECURSO", "CURSODAE"},   {"CLAVEESPEC", "ESPECDAE"},
    {"CLAVEMODEL", "MODELODAE"}, {"CLAVETIPGRU", "TIPGRUDAE"}, {"CLAVEPLANTI", "CODPLANTIDAE"},
};
constexpr std::size_t kGroupFieldCount = std::size(kGroupFieldsCopied);

struct Group {
    std::size_t number = 0;               // 0, 1, 2, … in table order
    std::string values[kGroupFieldCount]; // in the order of kGroupFieldsCopied
    std::vector<char> record;             // its assignments' record but the subject, made when first used
    const std::string& Abbreviation() const { return values[0]; }
    const std::string& Level() const { return values[3]; }
    const std::string& Course() const { return values[4]; }
};

// The first group of each plan, level and speciality, as a search in table order finds it.
std::unordered_map<std::string, Group> ReadFirstGroups(tables::Table& groups) {
    std::unordered_map<std::string, Group> firstGroups;
    for (groups.First(); !groups.Eof(); groups.Next()) {
        const std::string key =
            JoinKey({groups.AsString("PLANDAE"), groups.AsString("NIVELDAE"), groups.AsString("ESPECDAE")});
        if (firstGroups.contains(key)) continue;
        Group group;
        group.number = firstGroups.size();
        for (std::size_t i = 0; i < kGroupFieldCount; ++i)
            group.values[i] = groups.AsString(kGroupFieldsCopied[i].second);
        firstGroups.emplace(key, std::move(group));
    }
    return firstGroups;
}

struct Subject {
    std::size_t number = 0; // 0, 1, 2, … in table order
    tables::Bookmark row;
    std::string code;    // COD, the Tablorix short code
    std::string daeCode; // CODIGODAE
    std::string level;   // DENIVEL without blanks at both ends
    std::string course;  // DECURSO without blanks at both ends
};

std::unordered_map<std::string, Subject> ReadFirstSubjects(tables::Table& subjects) {
    std::unordered_map<std::string, Subject> firstSubjects;
    for (subjects.First(); !subjects.Eof(); subjects.Next()) {
        std::string daeCode = subjects.AsString("CODIGODAE");
        if (firstSubjects.contains(daeCode)) continue;
        firstSubjects.emplace(
            daeCode, Subject{firstSubjects.size(), subjects.GetBookmark(), subjects.AsString("COD"), daeCode,
                             TrimBoth(subjects.AsString("DENIVEL")), TrimBoth(subjects.AsString("DECURSO"))});
    }
    return firstSubjects;
}

// A subject keeps the level it was first met with; its course is kept only
// while it is met in a single course of that level.
void UpdateSubjectLevel(Subject& subject, const Group& group, tables::Table& subjects) {
    std::string level = subject.level;
    std::string course = subject.course;
    if (level.empty() && course.empty()) {
        level = group.Level();
        course = group.Course();
    } else if (level == group.Level() && !course.empty()) {
        course.clear();
    } else {
        return;
    }
    subjects.GotoBookmark(subject.row);
    subjects.Edit();
    subjects.SetString("DENIVEL", level);
    subjects.SetString("DECURSO", course);
    subjects.Post();
    // What the fields read back as.
    subject.level = TrimBoth(Cut(level, 1, 5));
    subject.course = TrimBoth(Cut(course, 1, 3));
}

// ASIGT's fields, found once, and a record with the values every assignment shares.
class AssignmentRecords {
  public:
    explicit AssignmentRecords(tables::TableBuilder& table)
        : table_(table), pattern_(table.BlankRecord()), subjectCode_(table.Field("CASIG")),
          daeCode_(table.Field("CLAVEASIG")) {
        for (std::size_t i = 0; i < kGroupFieldCount; ++i)
            groupFields_[i] = table.Field(kGroupFieldsCopied[i].first);
        const tables::FieldSlot hours = table.Field("HORAS");
        tables::EncodeNumber(*hours.def, 4, pattern_.data() + hours.def->offset); // as SetFloat stores it
        table.Field("SESIONES").SetText(pattern_.data(), "1111");
        table.Field("CTAREA").SetText(pattern_.data(), "0100");
    }

    // A group has many assignments: its fields are set once, in a record of
    // its own that each of them copies.
    void Append(Group& group, const Subject& subject) {
        if (group.record.empty()) {
            group.record = pattern_;
            for (std::size_t i = 0; i < kGroupFieldCount; ++i)
                groupFields_[i].SetText(group.record.data(), group.values[i]);
        }
        char* record = table_.Record(table_.Append(group.record.data()));
        subjectCode_.SetText(record, subject.code);
        daeCode_.SetText(record, subject.daeCode);
    }

  private:
    tables::TableBuilder& table_;
    std::vector<char> pattern_;
    tables::FieldSlot subjectCode_, daeCode_;
    tables::FieldSlot groupFields_[kGroupFieldCount];
};

} // namespace

void CreaAsignaciones(ExportContext& context) {
    const auto file =
        FindDaeFile(context, "V55T15W18T54_2.txt",
                    FormatText(TV_TEXT("Exportar", "No existe archivo DAE (%1)"), {"V55T15W18T54_2.txt"}));
    if (!file) return;
    const FirstLine firstLine(*file);
    const std::string_view line = firstLine.Text();
    tables::Table::Create(context.ktemp, schema::kAssignmentTable, AssignmentTableDecl());
    // Tens of thousands of rows: built in bulk, at most one per record of the line.
    tables::TableBuilder assignments(context.ktemp, schema::kAssignmentTable);
    assignments.Reserve(static_cast<std::uint32_t>(line.size() / kRecordLength + 1));
    AssignmentRecords assignmentRecords(assignments);
    tables::Table subjects;
    subjects.Open(context.ktemp, schema::kSubjectTable, tables::OpenMode::Exclusive);
    tables::Table groups;
    groups.Open(context.ktemp, schema::kGroupTable, tables::OpenMode::Exclusive);

    auto firstGroups = ReadFirstGroups(groups);
    auto firstSubjects = ReadFirstSubjects(subjects);
    // The rows written, by group and subject entry: a group entry stands for its
    // plan, level and speciality (its key) and its abbreviation, a subject
    // entry for its DAE code, so equal pairs are equal rows. One bit per pair.
    std::vector<bool> written(firstGroups.size() * firstSubjects.size());
    std::string groupKey, subjectKey;
    for (const std::string_view record : SplitRecords(line, kRecordLength)) {
        // The codes are compared with stored values, which read back without trailing blanks.
        const std::string_view level = WithoutTrailingBlanks(Cut(record, 1, 4));
        const std::string_view plan = WithoutTrailingBlanks(Cut(record, 5, 4));
        const std::string_view speciality = WithoutTrailingBlanks(Cut(record, 9, 4));
        const auto group = firstGroups.find(JoinKey(groupKey, {plan, level, speciality}));
        if (group == firstGroups.end()) continue;
        subjectKey = WithoutTrailingBlanks(Cut(record, 13, 8));
        const auto subject = firstSubjects.find(subjectKey);
        if (subject == firstSubjects.end()) continue;
        const std::size_t pair = group->second.number * firstSubjects.size() + subject->second.number;
        if (written[pair]) continue;
        written[pair] = true;
        assignmentRecords.Append(group->second, subject->second);
        UpdateSubjectLevel(subject->second, group->second, subjects);
    }
    groups.Close();
    subjects.Close();
    assignments.Write().Close();
}

} // namespace tv::dae_to_tablorix
