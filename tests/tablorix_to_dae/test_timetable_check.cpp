// The check of the timetable file: one small set of work records per kind of
// finding (a table of cases over a clean timetable that gives none), the
// reading of the real tables through the codification's cursors, the report's
// CSV, and "&Terminar" asking before it writes.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/codification_rules.h"
#include "tablorix_to_dae/crea_txt_cuadro_horario.h"
#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/timetable_check.h"

#include "tables/cp1252.h"
#include "tables/user_text.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace tv::test {
namespace {

namespace t2d = tablorix_to_dae;
using t2d::FindingKind;

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

t2d::CheckClass Lesson(const std::string& teacher, int day, int period, const std::string& start,
                       const std::string& end, const std::string& subject = "MAT") {
    t2d::CheckClass c;
    c.key = t2d::ClassKey(teacher, day, period);
    c.teacher = teacher;
    c.day = std::to_string(day);
    c.period = (period < 10 ? "0" : "") + std::to_string(period);
    c.documentType = "0001";
    c.document = "D-" + teacher;
    c.task = "101";
    c.start = start;
    c.end = end;
    c.room = "A12";
    c.subject = subject;
    c.subjectCode = "1234ABCD";
    c.language = "02";
    return c;
}

t2d::CheckGroup GroupOf(const t2d::CheckClass& c, const std::string& group,
                        const std::string& pupils = "25") {
    return {0, c.key, c.teacher, group, "G-" + group, c.day, c.period, pupils, group + " ESO"};
}

// Two teachers, each with a class of a group on Monday; nothing to report.
t2d::TimetableCheckInput CleanTimetable() {
    t2d::TimetableCheckInput input;
    input.centre = {true, "014725", "2025"};
    input.teachers = {{1, "ABC", "Ana Bermejo", "0001", "D-ABC"}, {2, "DEF", "Diego Ferro", "0001", "D-DEF"}};
    input.classes = {Lesson("ABC", 1, 1, "08:00", "08:55"), Lesson("DEF", 1, 2, "08:55", "09:50", "ING")};
    input.classes[0].record = 1;
    input.classes[1].record = 2;
    input.groups = {GroupOf(input.classes[0], "1A"), GroupOf(input.classes[1], "1A")};
    input.groups[0].record = 1;
    input.groups[1].record = 2;
    input.catalogues.templatePeriods = std::set<int>{1, 2, 3};
    input.catalogues.templateDays = std::set<int>{1, 2, 3, 4, 5};
    input.catalogues.subjects = std::unordered_set<std::string>{"1234ABCD"};
    input.catalogues.activities = std::unordered_set<std::string>{"003"};
    input.catalogues.tasksWithActivity = std::unordered_set<std::string>{"0210"};
    return input;
}

using Change = std::function<void(t2d::TimetableCheckInput&)>;

struct Case {
    const char* what;
    Change change;
    std::vector<FindingKind> expected; // in the report's order
    std::string text = {};             // part of the first finding's text
    std::string table = {};            // the first finding's table and record
    std::uint32_t record = 0;
};

// A second class of DEF's group 1A on Monday, given by period and times.
Change SecondLessonOf1A(const std::string& teacher, int period, const std::string& start,
                        const std::string& end, const std::string& subject) {
    return [=](t2d::TimetableCheckInput& in) {
        in.teachers.push_back({3, teacher, "", "0001", "D-" + teacher});
        in.classes.push_back(Lesson(teacher, 1, period, start, end, subject));
        in.classes.back().record = 3;
        in.groups.push_back(GroupOf(in.classes.back(), "1A"));
        in.groups.back().record = 3;
    };
}

TEST(TimetableCheckTest, EachKindOfFinding) {
    const Case cases[] = {
        // blocking
        {"a centre code of five characters",
         [](auto& in) { in.centre.code = "01472"; },
         {FindingKind::CentreCode},
         "el c\xF3"
         "digo del centro \xAB"
         "01472\xBB no tiene 6 caracteres",
         "daeCENTRO",
         1},
        {"a blank academic year",
         [](auto& in) { in.centre.year = ""; },
         {FindingKind::AcademicYear},
         "falta el a\xF1o"},
        {"no centre record",
         [](auto& in) { in.centre = {}; },
         {FindingKind::CentreCode, FindingKind::AcademicYear},
         "no hay datos del centro"},
        {"a teacher's lines without document, one finding for the teacher",
         [](auto& in) { in.classes[1].document = " "; },
         {FindingKind::TeacherWithoutDocument},
         "Profesor DEF (Diego Ferro): falta el documento (DNI).",
         "PROFT",
         2},
        {"a teacher's line without document type",
         [](auto& in) { in.classes[0].documentType = ""; },
         {FindingKind::TeacherWithoutDocument},
         "Profesor ABC (Ana Bermejo): falta el tipo de documento."},
        {"a subject line without CODASIG",
         [](auto& in) { in.classes[0].subjectCode = ""; },
         {FindingKind::SubjectWithoutCode},
         "Profesor ABC, lunes, sesi\xF3n 1 (MAT): falta el c\xF3"
         "digo DAE de la asignatura",
         "CUADROH2",
         1},
        {"a task calling for an activity without TIP_ACTIV",
         [](auto& in) {
             in.classes[1].task = "0210";
             in.classes[1].subjectCode = "0210";
         },
         {FindingKind::ActivityWithoutType},
         "Profesor DEF, lunes, sesi\xF3n 2 (ING): la tarea \xAB"
         "0210\xBB pide una actividad y falta el tipo de "
         "actividad (ACTIV.).",
         "CUADROH2",
         2},
        {"an activity's code as the subject, without TIP_ACTIV",
         [](auto& in) { in.classes[1].subjectCode = "003"; },
         {FindingKind::ActivityWithoutType},
         "el c\xF3"
         "digo \xAB"
         "003\xBB es de una actividad"},
        {"a group line without CODGRUPO",
         [](auto& in) { in.groups[1].code = ""; },
         {FindingKind::GroupWithoutCode},
         "Grupo 1A con DEF, lunes, sesi\xF3n 2: falta el c\xF3"
         "digo DAE del grupo",
         "CUADROH3",
         2},
        {"NUMALUM not a number",
         [](auto& in) { in.groups[0].pupils = " 2a"; },
         {FindingKind::PupilsNotANumber},
         "el n\xFAmero de alumnos \xAB 2a\xBB no es un n\xFAmero"},
        {"a start time not of the form hh:mm",
         [](auto& in) { in.classes[0].start = "8:00"; },
         {FindingKind::BadTimes},
         "la hora de inicio \xAB"
         "8:00\xBB no tiene la forma hh:mm"},
        {"a blank end time (a class past the template's last period)",
         [](auto& in) { in.classes[0].end = ""; },
         {FindingKind::BadTimes, FindingKind::OutsideTemplate},
         "falta la hora de fin"},
        {"a start after the end",
         [](auto& in) { in.classes[0].start = "09:00"; },
         {FindingKind::BadTimes},
         "empieza (09:00) despu\xE9s de terminar (08:55)"},
        {"a room longer than its place",
         [](auto& in) { in.classes[0].room = "LABORATORIO"; },
         {FindingKind::FieldTooLong},
         "el aula (AULA_OBS) \xABLABORATORIO\xBB tiene 11 caracteres y en la l\xEDnea de DAE caben 8"},
        // warnings
        {"a teacher in two overlapping classes",
         [](auto& in) {
             in.classes.push_back(Lesson("ABC", 1, 2, "08:30", "09:50"));
             in.classes.back().record = 3;
         },
         {FindingKind::TeacherOverlap},
         "Profesor ABC, lunes, sesi\xF3n 2 (MAT), de 08:30-09:50: se solapa con su clase de la sesi\xF3n 1 "
         "(08:00-08:55).",
         "CUADROH2",
         3},
        {"a group in two classes of different subjects at once",
         SecondLessonOf1A("GHI", 2, "08:55", "09:50", "REL"),
         {FindingKind::GroupOverlap},
         "Grupo 1A con GHI, lunes, sesi\xF3n 2 (REL, 08:55-09:50): el grupo tiene a la vez ING con DEF",
         "CUADROH3",
         3},
        {"a group in two classes that only overlap, same subject",
         SecondLessonOf1A("GHI", 2, "09:20", "10:00", "ING"),
         {FindingKind::GroupOverlap}},
        {"a class outside the template's periods",
         [](auto& in) {
             in.classes[1].period = "09";
             in.groups[1].period = "09";
         },
         {FindingKind::OutsideTemplate},
         "la sesi\xF3n no est\xE1 en la plantilla horaria"},
        {"a class on a day the day/hour table lacks",
         [](auto& in) { in.classes[1].day = "6"; },
         {FindingKind::OutsideTemplate},
         "Profesor DEF, s\xE1"
         "bado, sesi\xF3n 2 (ING): el d\xED"
         "a no est\xE1"},
        {"NUMALUM 0", [](auto& in) { in.groups[0].pupils = "00"; }, {FindingKind::NoPupils}, "es 0"},
        {"NUMALUM blank",
         [](auto& in) { in.groups[0].pupils = ""; },
         {FindingKind::NoPupils},
         "se escribir\xED"
         "a 0"},
        {"a teacher with no classes",
         [](auto& in) {
             in.teachers.push_back({3, "GHI", "", "0001", "D-GHI"});
         },
         {FindingKind::TeacherWithoutClasses},
         "Profesor GHI: no tiene ninguna clase",
         "PROFT",
         3},
        {"two teachers with the same document",
         [](auto& in) { in.teachers[1].document = " d-abc"; },
         {FindingKind::SharedDocument},
         "el mismo documento \xAB"
         "d-abc\xBB que ABC",
         "PROFT",
         2},
        {"a CODASIG outside the DAE catalogue",
         [](auto& in) { in.classes[0].subjectCode = "9999ZZZZ"; },
         {FindingKind::SubjectNotInCatalogue},
         "\xAB"
         "9999ZZZZ\xBB no est\xE1 en la lista de asignaturas de DAE"},
        {"a TIP_ACTIV outside the DAE catalogue",
         [](auto& in) {
             in.classes[0].subjectCode = "0200";
             in.classes[0].activity = "099";
         },
         {FindingKind::ActivityNotInCatalogue},
         "el tipo de actividad \xAB"
         "099\xBB no est\xE1"},
        // nothing to report
        {"the clean timetable", [](auto&) {}, {}},
        {"an activity line with its type",
         [](auto& in) {
             in.classes[0].subjectCode = "0200";
             in.classes[0].activity = "003";
         },
         {}},
        {"one class split between two teachers: same subject, same times",
         SecondLessonOf1A("GHI", 2, "08:55", "09:50", "ING"),
         {}},
        {"a teacher's back-to-back classes",
         [](auto& in) { in.classes.push_back(Lesson("ABC", 1, 2, "08:55", "09:50")); },
         {}},
        {"a period of the template ending at 24:00",
         [](auto& in) {
             in.classes[1].start = "23:00";
             in.classes[1].end = "24:00";
         },
         {}},
        {"missing catalogues and template skip their checks",
         [](auto& in) {
             in.classes[0].subjectCode = "9999ZZZZ";
             in.classes[0].period = "09";
             in.catalogues.subjects.reset();
             in.catalogues.templatePeriods.reset();
         },
         {}},
    };
    for (const Case& c : cases) {
        t2d::TimetableCheckInput input = CleanTimetable();
        c.change(input);
        const auto findings = t2d::CheckTimetable(input);
        std::vector<FindingKind> kinds;
        for (const auto& f : findings)
            kinds.push_back(f.kind);
        EXPECT_EQ(kinds, c.expected) << c.what << "\n"
                                     << (findings.empty() ? "" : Cp1252ToUtf8(findings[0].text));
        if (findings.empty() || c.expected.empty()) continue;
        EXPECT_EQ(findings[0].severity, t2d::SeverityOf(c.expected[0])) << c.what;
        EXPECT_NE(findings[0].text.find(c.text), std::string::npos)
            << c.what << ": " << Cp1252ToUtf8(findings[0].text);
        if (!c.table.empty()) {
            EXPECT_EQ(findings[0].table, c.table) << c.what;
            EXPECT_EQ(findings[0].record, c.record) << c.what;
        }
    }
}

TEST(TimetableCheckTest, BlockingFindingsComeFirst) {
    t2d::TimetableCheckInput input = CleanTimetable();
    input.groups[1].pupils = "0";      // warning
    input.classes[1].subjectCode = ""; // blocking, found later in the file
    const auto findings = t2d::CheckTimetable(input);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].kind, FindingKind::SubjectWithoutCode);
    EXPECT_EQ(findings[1].kind, FindingKind::NoPupils);
    EXPECT_TRUE(t2d::HasBlocking(findings));
    EXPECT_EQ(t2d::ReportLine(findings[1]).substr(0, 7), "AVISO: ");
    EXPECT_EQ(t2d::ReportSummary(findings), "Comprobaci\xF3n de fCUADROS.txt: 1 error y 1 aviso.");
    // The group finding names the teacher, the class and the group to go to.
    EXPECT_EQ(findings[1].teacher, "DEF");
    EXPECT_EQ(findings[1].classKey, input.classes[1].key);
    EXPECT_EQ(findings[1].group, "1A");
}

TEST(TimetableCheckTest, BeyondTheListedFindingsOfAKindOneLineCountsTheRest) {
    t2d::TimetableCheckInput input = CleanTimetable();
    const std::size_t groups = t2d::kListedPerKind + 100;
    input.groups.clear();
    for (std::size_t i = 0; i < groups; ++i)
        input.groups.push_back(GroupOf(input.classes[i % 2], "G" + std::to_string(i), "0"));
    const auto findings = t2d::CheckTimetable(input);
    ASSERT_EQ(findings.size(), t2d::kListedPerKind + 1);
    EXPECT_EQ(findings[t2d::kListedPerKind - 1].kind, FindingKind::NoPupils);
    const t2d::Finding& rest = findings.back();
    EXPECT_EQ(rest.kind, FindingKind::NoPupils);
    EXPECT_EQ(rest.more, 100u);
    EXPECT_EQ(rest.record, 0u);
    EXPECT_EQ(rest.text, "Y 100 avisos m\xE1s de este tipo (grupos sin alumnos), que no se enumeran.");
    EXPECT_EQ(t2d::CountOf(findings, t2d::Severity::Warning), groups);
    EXPECT_EQ(t2d::ReportSummary(findings), "Comprobaci\xF3n de fCUADROS.txt: 0 errores y 600 avisos.");
}

// The sentences whose wording depends on which parts are wrong, word for word.
TEST(TimetableCheckTest, FindingsReadWordForWord) {
    const struct {
        const char* what;
        Change change;
        const char* text; // the first finding's, UTF-8
    } cases[] = {
        {"no times", [](auto& in) { in.classes[0].start = in.classes[0].end = ""; },
         "Profesor ABC, lunes, sesión 1 (MAT): falta la hora de inicio y falta la hora de fin."},
        {"a bad start", [](auto& in) { in.classes[0].start = "ocho"; },
         "Profesor ABC, lunes, sesión 1 (MAT): la hora de inicio «ocho» no tiene la forma hh:mm."},
        {"a bad end", [](auto& in) { in.classes[0].end = "ocho"; },
         "Profesor ABC, lunes, sesión 1 (MAT): la hora de fin «ocho» no tiene la forma hh:mm."},
        {"a bad start, no end",
         [](auto& in) {
             in.classes[0].start = "ocho";
             in.classes[0].end = "";
         },
         "Profesor ABC, lunes, sesión 1 (MAT): la hora de inicio «ocho» no tiene la forma hh:mm y falta la hora de fin."},
        {"times reversed", [](auto& in) { in.classes[0].start = "09:00"; },
         "Profesor ABC, lunes, sesión 1 (MAT): empieza (09:00) después de terminar (08:55)."},
        {"a room too wide", [](auto& in) { in.classes[0].room = "AULA-GRANDE"; },
         "Profesor ABC, lunes, sesión 1 (MAT): el aula (AULA_OBS) «AULA-GRANDE» tiene 11 caracteres y en la línea de DAE caben 8."},
        {"pupils too wide", [](auto& in) { in.groups[0].pupils = "12345"; },
         "Grupo 1A con ABC, lunes, sesión 1: el número de alumnos (NUMALUM) «12345» tiene 5 caracteres y en la línea de DAE caben 4."},
        {"no pupils", [](auto& in) { in.groups[0].pupils = ""; },
         "Grupo 1A con ABC, lunes, sesión 1: falta el número de alumnos (se escribiría 0)."},
        {"a day past the week", [](auto& in) { in.classes[0].day = "9"; },
         "Profesor ABC, día 9, sesión 1 (MAT): el día no está en la tabla de días y horas del horario."},
        {"both teachers at once", SecondLessonOf1A("GHI", 1, "08:00", "08:55", "ING"),
         "Grupo 1A con GHI, lunes, sesión 1 (ING, 08:00-08:55): el grupo tiene a la vez MAT con ABC (08:00-08:55)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        t2d::TimetableCheckInput input = CleanTimetable();
        c.change(input);
        const auto findings = t2d::CheckTimetable(input);
        ASSERT_FALSE(findings.empty());
        EXPECT_EQ(findings[0].text, Utf8ToCp1252(c.text));
    }
    const std::vector<t2d::Finding> counted = {t2d::MoreOfKind(FindingKind::BadTimes, 2),
                                               t2d::MoreOfKind(FindingKind::NoPupils, 1)};
    EXPECT_EQ(counted[0].text,
              Utf8ToCp1252("Y 2 errores más de este tipo (horas incorrectas), que no se enumeran."));
    EXPECT_EQ(t2d::ReportSummary(counted),
              Utf8ToCp1252("Comprobación de fCUADROS.txt: 2 errores y 1 aviso."));
}

// A front end's translation reaches the findings, with what is filled in.
TEST(TimetableCheckTest, FindingsFollowTheInstalledTranslation) {
    SetTextTranslator([](const char*, const char* source) -> std::string {
        const std::string_view text = source;
        if (text == "Grupo %1 con %2, %3, sesión %4") return "%1 taldea %2-(r)ekin, %3, %4. saioa";
        if (text == "lunes") return "astelehena";
        if (text == "%1: el número de alumnos es 0.") return "%1: ikasle kopurua 0 da.";
        return {};
    });
    t2d::TimetableCheckInput input = CleanTimetable();
    input.groups[0].pupils = "0";
    const auto findings = t2d::CheckTimetable(input);
    SetTextTranslator(nullptr);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text, "1A taldea ABC-(r)ekin, astelehena, 1. saioa: ikasle kopurua 0 da.");
}

TEST(TimetableCheckTest, TheReportIsACsvASpreadsheetOpens) {
    t2d::TimetableCheckInput input = CleanTimetable();
    input.groups[0].alias = "1\xBA ESO \"A\"";
    input.groups[0].code = "";
    input.centre.code = "0147;";
    const auto findings = t2d::CheckTimetable(input);
    ScratchDir dir;
    t2d::WriteReportCsv(dir / "informe.csv", findings);
    const std::string csv = ReadText(dir / "informe.csv");
    EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFGravedad;Tipo;Descripci\xC3\xB3n;Tabla;Registro\r\n")) << csv;
    EXPECT_NE(csv.find("\"ERROR\";\"codigo-centro\";\"Centro: el c\xC3\xB3"
                       "digo del centro \xC2\xAB"
                       "0147;\xC2\xBB no "
                       "tiene 6 caracteres.\";\"daeCENTRO\";1\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(csv.find("\"grupo-sin-codigo\""), std::string::npos);
    EXPECT_TRUE(csv.ends_with(";\"CUADROH3\";1\r\n")) << csv;

    // A report that cannot be written says so, naming the file.
    try {
        t2d::WriteReportCsv(dir / "no-existe" / "informe.csv", findings);
        ADD_FAILURE() << "no error";
    } catch (const tables::TableError& error) {
        EXPECT_NE(std::string(error.what()).find("informe.csv"), std::string::npos) << error.what();
    }
}

// The worked case's tables extracted for real and opened as the window opens them.
class TimetableCheckTablesTest : public TablorixFixture {
  protected:
    void SetUp() override {
        TablorixFixture::SetUp();
        WriteTeachers(ktemp(),
                      {{"ABC", "D0001", "0001"}, {"XYZ", "D0002", "0001"}, {"NADA", "D0003", "0001"}});
        WriteSoluc(ktemp(),
                   {{"ABC", 2, 9, 2, "MAT", "1A", "A12", "0"}, {"XYZ", 2, 10, 1, "MAT", "1A", "A12", "0"}});
        ExtractWithCentreData();
        for (const char* name : {"daeTIPDOC", "daeTIPTAR", "daeIDIOMA", "daeNIVIMP"})
            WriteCatalogue(ktemp(), name, {Text("COD", 4)}, {});
        WriteCatalogue(ktemp(), "daeOTRACT", {Text("COD", 4)}, {{std::string("003")}});
        WriteCatalogue(ktemp(), "daeASIGNAT", {Text("COD", 8)}, {{std::string("1234ABCD")}});
        tables.Open(ktemp());
    }

    t2d::CodificationTables tables;
};

TEST_F(TimetableCheckTablesTest, ReadsTheTablesAndLeavesTheWindowsCursorsWhereTheyStood) {
    ASSERT_TRUE(tables.teachers.FindKey("XYZ"));
    const auto teacher = tables.teachers.RecNo();
    const auto lesson = tables.classes.RecNo();
    const auto group = tables.groups.RecNo();
    // An edit of the group posted through the window's cursor is seen.
    tables.groups.Edit();
    tables.groups.SetString("CODGRUPO", "");
    tables.groups.Post();

    const auto findings = t2d::CheckTimetable(tables, ktemp());
    std::vector<FindingKind> kinds;
    for (const auto& f : findings)
        kinds.push_back(f.kind);
    // XYZ's class (period 10, 14:55-15:50) overlaps ABC's double period (14:00-15:50) for group 1A.
    EXPECT_EQ(kinds, (std::vector{FindingKind::GroupWithoutCode, FindingKind::TeacherWithoutClasses,
                                  FindingKind::GroupOverlap}));
    EXPECT_EQ(findings[0].record, group);
    EXPECT_EQ(findings[1].text, "Profesor NADA: no tiene ninguna clase en el horario.");
    EXPECT_EQ(tables.teachers.RecNo(), teacher);
    EXPECT_EQ(tables.classes.RecNo(), lesson);
    EXPECT_EQ(tables.groups.RecNo(), group);
}

// The work records read from their rows as the cursor reads them: classes
// out of key order (taken in the index's order) and a field with a NUL at its
// end (read without it) give the findings of the table as extracted.
TEST_F(TimetableCheckTablesTest, ClassesOutOfKeyOrderAndWithNulsReadAsTheCursorReadsThem) {
    const auto described = [](const std::vector<t2d::Finding>& findings) {
        std::vector<std::string> lines;
        for (const auto& f : findings)
            lines.push_back(f.text + "|" + f.table + "|" + std::to_string(f.record) + "|" + f.teacher + "|" +
                            f.classKey + "|" + f.group);
        return lines;
    };
    const auto extracted = described(t2d::CheckTimetable(tables, ktemp()));
    ASSERT_FALSE(extracted.empty());
    tables.Close();
    {
        tables::Table classes;
        classes.Open(ktemp(), "CUADROH2", tables::OpenMode::Exclusive);
        std::vector<std::vector<std::string>> rows;
        for (classes.First(); !classes.Eof(); classes.Next()) {
            rows.emplace_back();
            for (const auto& field : classes.Fields())
                rows.back().push_back(classes.AsString(field.name));
        }
        ASSERT_GE(rows.size(), 2u);
        std::reverse(rows.begin(), rows.end());
        classes.First();
        for (const auto& row : rows) {
            classes.Edit();
            for (std::size_t i = 0; i < row.size(); ++i)
                classes.SetString(classes.Fields()[i].name, row[i]);
            classes.SetString("ABREVASIG", row[static_cast<std::size_t>(classes.FieldIndex("ABREVASIG"))] +
                                               std::string(1, '\0'));
            classes.Post();
            classes.Next();
        }
    }
    tables.Open(ktemp());
    EXPECT_EQ(described(t2d::CheckTimetable(tables, ktemp())), extracted);
}

TEST_F(TimetableCheckTablesTest, TerminarAsksBeforeWritingAndNoKeepsEditing) {
    int asked = 0;
    const tv::WorkflowState workflowBefore = state.WorkflowState;
    auto context = Context();
    context.daeFolder = dae();
    EXPECT_EQ(t2d::Terminar(context, tables, [&] { return ++asked, false; }),
              t2d::TerminarOutcome::KeepEditing);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(std::filesystem::exists(dae() / "fCUADROS.txt"));
    EXPECT_TRUE(tables.teachers.Active());
    EXPECT_EQ(state.WorkflowState, workflowBefore);

    EXPECT_EQ(t2d::Terminar(context, tables, [&] { return ++asked, true; }), t2d::TerminarOutcome::Closed);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(std::filesystem::exists(dae() / "fCUADROS.txt"));
    EXPECT_FALSE(tables.teachers.Active());
}

} // namespace
} // namespace tv::test
