// SOLUC is Tablorix's table: its numbers are read whatever their dBase type
// and NALUM / TAREA as text whatever theirs, from files written by another
// library and by the level-7 writer.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/soluc_reader.h"

#include <cstdlib>

namespace tv::test {
namespace {

namespace t2d = tablorix_to_dae;

std::vector<std::string> Describe(const t2d::SolucTimetable& timetable) {
    std::vector<std::string> lines;
    t2d::SolucScratch scratch;
    for (const auto& c : timetable.classes) {
        const t2d::SolucTexts t = timetable.Texts(c, scratch);
        lines.push_back(std::string(c.teacher) + "|" + std::to_string(c.day) + "|" +
                        std::to_string(c.period) + "|" + std::to_string(c.sessions) + "|" +
                        std::string(t.subject) + "|" + std::string(t.group) + "|" + std::string(t.room) +
                        "|" + std::string(t.pupils) + "|" + std::string(t.task));
    }
    return lines;
}

TEST(SolucTypesTest, ATableWrittenByPythonDbfWithNumericAndFloatFields) {
    const char* python = "/usr/bin/python3";
    if (std::system((std::string(python) + " -c 'import dbf' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-dbf not installed";
    ScratchDir dir;
    const std::string script =
        std::string(python) +
        " - <<'EOF'\n"
        "import dbf\n"
        "t = dbf.Table(r'" +
        (dir / "soluc.dbf").string() +
        "', 'PROF C(10); DIA N(1,0); HORA F(5,1); SESIONES N(4,2); ASIG C(10); CODGRUPO C(10); "
        "AULA C(10); NALUM N(3,0); TAREA N(4,0); TURNO C(1); NIVEL C(5); CURSO C(3); GRUPO C(2)',"
        " dbf_type='db3', codepage='cp1252')\n"
        "t.open(dbf.READ_WRITE)\n"
        "t.append(('ABC', 2, 9.0, 2, 'MAT', '1A', 'A12', 0, None, 'M', 'DBH', '01', '1'))\n"
        "t.append(('Mu\\u00f1oz', 5, 10.5, 1.5, 'ING', '1\\u00baB', '', 120, 200, '', '', '', ''))\n"
        "t.append(('SKIP', 0, 1, 1, 'MAT', '1A', '', 0, None, '', '', '', ''))\n"
        "t.append(('   ', 3, 1, 1, 'MAT', '1A', '', 0, None, '', '', '', ''))\n"
        "t.close()\n"
        "EOF";
    ASSERT_EQ(std::system(script.c_str()), 0);
    EXPECT_EQ(Describe(t2d::ReadSoluc(dir.path())),
              (std::vector<std::string>{"ABC|2|9|2|MAT|1A|A12|0|", "Mu\xF1oz|5|10|2|ING|1\xBA"
                                                                   "B||120|200"})); // halves round to even
}

TEST(SolucTypesTest, ALevel7TableWithIntegerAndDoubleFields) {
    ScratchDir dir;
    tables::TableDecl decl;
    decl.fields = {Text("PROF", 10),
                   {"DIA", tables::FieldKind::Integer, 0},
                   {"HORA", tables::FieldKind::Float, 0},
                   {"SESIONES", tables::FieldKind::Integer, 0},
                   Text("ASIG", 10),
                   Text("CODGRUPO", 10),
                   Text("AULA", 10),
                   {"NALUM", tables::FieldKind::Integer, 0},
                   {"TAREA", tables::FieldKind::Integer, 0}};
    tables::Table::Create(dir.path(), "SOLUC", decl);
    {
        tables::Table t;
        t.Open(dir.path(), "SOLUC");
        t.AppendRecord(
            {std::string("ABC"), 1LL, 3.0, 2LL, std::string("MAT"), std::string("1A"), std::string(), 0LL});
        t.AppendRecord({std::string("XYZ"),
                        4LL,
                        7.0,
                        {},
                        std::string("ING"),
                        std::string(),
                        std::string(),
                        25LL,
                        101LL});
    }
    EXPECT_EQ(Describe(t2d::ReadSoluc(dir.path())),
              (std::vector<std::string>{"ABC|1|3|2|MAT|1A||0|", "XYZ|4|7|0|ING|||25|101"}));
}

} // namespace
} // namespace tv::test
