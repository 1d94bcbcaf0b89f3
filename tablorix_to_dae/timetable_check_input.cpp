#include "tablorix_to_dae/timetable_check_input.h"

#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/file_names.h"
#include "tables/text.h"

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

// Walks the window's teachers cursor; moving it moves its details, which are
// put back on their records afterwards.
std::vector<CheckTeacher> ReadTeachers(CodificationTables& tables) {
    std::vector<CheckTeacher> teachers;
    Table& cursor = tables.teachers;
    const tables::Bookmark teacherMark = cursor.GetBookmark();
    const tables::Bookmark classMark = tables.classes.GetBookmark();
    const tables::Bookmark groupMark = tables.groups.GetBookmark();
    for (cursor.First(); !cursor.Eof(); cursor.Next())
        teachers.push_back({cursor.RecNo(), cursor.AsString("ABREV"), cursor.AsString("NOMBRE"),
                            cursor.AsString("TIPODNI"), cursor.AsString("DNI")});
    if (teacherMark.record != 0) cursor.GotoBookmark(teacherMark);
    if (classMark.record != 0) tables.classes.GotoBookmark(classMark);
    if (groupMark.record != 0) tables.groups.GotoBookmark(groupMark);
    return teachers;
}

std::vector<CheckClass> ReadClasses(const std::filesystem::path& ktemp) {
    std::vector<CheckClass> classes;
    Table t;
    t.Open(ktemp, kCuadroH2, OpenMode::ReadOnly);
    t.SetIndexName("PROF_DIA_SES");
    for (t.First(); !t.Eof(); t.Next()) {
        const auto f = [&](const char* name) { return t.AsString(name); };
        classes.push_back({t.RecNo(), f("PROF_DIA_SES"), f("ABREVPROF"), f("DIASEM"), f("NUMSESION"),
                           f("TIPDOC"), f("DOC"), f("TIPTAR"), f("HORAINI"), f("HORAFIN"), f("AULA_OBS"),
                           f("ABREVASIG"), f("CODASIG"), f("TIPASIG"), f("IDIOMA"), f("TIP_ACTIV"),
                           f("GRUPNIV"), f("PLAN")});
    }
    return classes;
}

std::vector<CheckGroup> ReadGroups(const std::filesystem::path& ktemp) {
    std::vector<CheckGroup> groups;
    Table t;
    t.Open(ktemp, kCuadroH3, OpenMode::ReadOnly);
    t.SetIndexName("PROF_DIA_SES");
    for (t.First(); !t.Eof(); t.Next()) {
        const auto f = [&](const char* name) { return t.AsString(name); };
        groups.push_back({t.RecNo(), f("PROF_DIA_SES"), f("ABREVPROF"), f("ABREVGRUP"), f("CODGRUPO"),
                          f("TIPDOC"), f("DOC"), f("DIASEM"), f("NUMSESGRUP"), f("NUMALUM"), f("ALIASDAE")});
    }
    return groups;
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

TimetableCheckInput ReadCheckInput(CodificationTables& tables, const std::filesystem::path& ktemp) {
    TimetableCheckInput input;
    input.centre = ReadCentre(ktemp);
    input.teachers = ReadTeachers(tables);
    input.classes = ReadClasses(ktemp);
    input.groups = ReadGroups(ktemp);
    input.templatePeriods = ReadTemplatePeriods(ktemp);
    input.templateDays = ReadTemplateDays(ktemp);
    input.subjects = ReadCodes(ktemp, "daeASIGNAT");
    input.activities = ReadCodes(ktemp, "daeOTRACT");
    input.tasksWithActivity = ReadTasksWithActivity(ktemp);
    return input;
}

} // namespace tv::tablorix_to_dae
