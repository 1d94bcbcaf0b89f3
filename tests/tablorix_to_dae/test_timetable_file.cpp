// fCUADROS.txt: the fields of each line, the order of the lines, and a write
// that fails leaving the earlier file as it was.
#include "tests/tablorix_to_dae/tablorix_fixture.h"

#include "tablorix_to_dae/crea_txt_cuadro_horario.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/timetable_lines.h"

#include "tablorix_schema/centre_table.h"

namespace tv::test {
namespace {

namespace t2d = tablorix_to_dae;

// One record of a work table, given by field.
void AppendWorkRecord(const std::filesystem::path& ktemp, std::string_view table, const Row& fields) {
    tables::Table t;
    t.Open(ktemp, table);
    t.Append();
    for (const auto& [field, value] : fields)
        t.SetString(field, value);
    t.Post();
}

// Opens the work tables as the codification window does and reads one line
// builder over the first record of `table`.
std::string LineOf(const std::filesystem::path& ktemp, std::string_view table, const Row& fields) {
    t2d::CreaCuadrosHorarios(ktemp);
    AppendWorkRecord(ktemp, table, fields);
    tables::Table t;
    t.Open(ktemp, table, tables::OpenMode::ReadOnly);
    return table == t2d::kCuadroH2 ? t2d::ClassLine(t) : t2d::GroupLine(t);
}

TEST(TimetableLinesTest, HeaderPadsCodeAndYear) {
    EXPECT_EQ(t2d::HeaderLine("014725", "2025"), "1CH0147252025");
    EXPECT_EQ(t2d::HeaderLine("147", "25"), "1CH147   25  ");
    EXPECT_EQ(t2d::HeaderLine("", ""), "1CH          ");
}

TEST(TimetableLinesTest, ClassLines) {
    ScratchDir ktemp;
    const Row lesson = {{"TIPDOC", "0001"},   {"DOC", "30611245K"}, {"NUMSESION", "09"},
                        {"DIASEM", "2"},      {"TIPTAR", "101"},    {"HORAINI", "14:00"},
                        {"HORAFIN", "15:50"}, {"AULA_OBS", "A12"},  {"CODASIG", "1234ABCD"},
                        {"TIPASIG", "XY"},    {"IDIOMA", "02"},     {"GRUPNIV", "0005"},
                        {"PLAN", "0010"}};
    const std::string common = "2000130611245K      092101 14:0015:50";
    struct Case {
        const char* what;
        Row changes;
        std::string expected;
    };
    const Case cases[] = {
        {"a subject line", {}, common + "A1200000" + "1234ABCD" + "X" + "02"},
        {"an empty room", {{"AULA_OBS", ""}}, common + "00000000" + "1234ABCD" + "X02"},
        {"a long room", {{"AULA_OBS", "SALA DE ACTOS"}}, common + "SALA DE " + "1234ABCDX02"},
        {"short codes are padded",
         {{"CODASIG", "0200"}, {"TIPASIG", ""}, {"IDIOMA", ""}},
         common + "A1200000" + "0200" + std::string(7, ' ')},
        {"blank activity is a subject line", {{"TIP_ACTIV", "   "}}, common + "A12000001234ABCDX02"},
        {"an activity line", {{"TIP_ACTIV", "003"}}, common + "A12000000030005" + "0010"},
        {"as-stored fields shrink the line",
         {{"TIPDOC", "1"}, {"TIPTAR", ""}, {"TIP_ACTIV", "03"}, {"GRUPNIV", ""}, {"PLAN", "9"}},
         "2130611245K      092    14:0015:50A1200000"
         "039"},
    };
    for (const auto& c : cases) {
        Row fields = lesson;
        for (const auto& [field, value] : c.changes)
            fields[field] = value;
        EXPECT_EQ(LineOf(ktemp.path(), t2d::kCuadroH2, fields), c.expected) << c.what;
    }
}

TEST(TimetableLinesTest, GroupLinesRightAlignThePupilsInFourDigits) {
    ScratchDir ktemp;
    const std::string alias = "1\xBA ESO A" + std::string(42, ' ');
    const std::pair<std::string, std::string> cases[] = {
        {"5", "0005"}, {"25", "0025"}, {"", "0000"}, {"120", "0120"}, {"1200", "1200"}};
    for (const auto& [pupils, digits] : cases) {
        const std::string line = LineOf(ktemp.path(), t2d::kCuadroH3,
                                        {{"CODGRUPO", "01ESO1A"},
                                         {"NUMSESGRUP", "03"},
                                         {"NUMALUM", pupils},
                                         {"ALIASDAE", "1\xBA ESO A"},
                                         {"DOC", "IGNORED"}});
        EXPECT_EQ(line, "301ESO1A 0003" + digits + alias + "01ESO1A ") << pupils;
        EXPECT_EQ(line.size(), 75u);
    }
}

// Tables made elsewhere may hold a number where the work tables hold text,
// wider fields, or NULs: the line reads them as the cursor reads them.
TEST(TimetableLinesTest, GroupLinesFromFieldsOfOtherTypesAndWidths) {
    ScratchDir ktemp;
    tables::TableDecl decl = t2d::CuadroH3Declaration();
    for (tables::FieldDecl& field : decl.fields) {
        if (field.name == "NUMALUM") field = {"NUMALUM", tables::FieldKind::Integer, 0};
        if (field.name == "ALIASDAE") field.width = 60;
    }
    const std::string alias = std::string(55, 'x') + "yy";
    const std::pair<std::string, std::string> cases[] = {{"25", "0025"}, {"12345", "2345"}, {"0", "0000"}};
    for (const auto& [pupils, digits] : cases) {
        tables::Table::Create(ktemp.path(), t2d::kCuadroH3, decl);
        {
            tables::Table t;
            t.Open(ktemp.path(), t2d::kCuadroH3);
            t.Append();
            t.SetString("CODGRUPO", std::string("01\0ESO", 6));
            t.SetString("NUMSESGRUP", "03");
            t.SetString("NUMALUM", pupils);
            t.SetString("ALIASDAE", alias);
            t.Post();
        }
        tables::Table t;
        t.Open(ktemp.path(), t2d::kCuadroH3, tables::OpenMode::ReadOnly);
        EXPECT_EQ(t2d::GroupLine(t), "301 ESO  0003" + digits + alias.substr(0, 50) + "01 ESO  ") << pupils;
    }
}

class TimetableFileTest : public TablorixFixture {
  protected:
    void SetUp() override {
        TablorixFixture::SetUp();
        schema::CreaTablaCentro(ktemp());
        t2d::StoreCentreData(ktemp(), "014725", "2025", "2526");
        t2d::CreaCuadrosHorarios(ktemp());
        for (const auto table :
             {"daeTIPDOC", "daeTIPTAR", "daeNIVIMP", "daeASIGNAT", "daeIDIOMA", "daeOTRACT"}) {
            tables::TableDecl decl;
            decl.fields = {Text("COD", 4)};
            tables::Table::Create(ktemp(), table, decl);
        }
    }

    // A class of `teacher` at `key` with one type-3 record per group.
    void AddClass(const std::string& key, const std::vector<std::string>& groups) {
        AppendWorkRecord(
            ktemp(), t2d::kCuadroH2,
            {{"ABREVPROF", key.substr(0, 10)}, {"PROF_DIA_SES", key}, {"AULA_OBS", key.substr(0, 3)}});
        for (const auto& group : groups)
            AppendWorkRecord(ktemp(), t2d::kCuadroH3,
                             {{"ABREVPROF", key.substr(0, 10)}, {"PROF_DIA_SES", key}, {"CODGRUPO", group}});
    }

    bool Write() {
        t2d::CodificationTables tables;
        tables.Open(ktemp());
        context.daeFolder = dae();
        return t2d::CreaTXTCuadroHorario(context, tables) == t2d::TimetableWrite::Written;
    }

    std::string File() { return ReadText(dae() / "fCUADROS.txt"); }

    static std::string ReadText(const std::filesystem::path& file) {
        const auto bytes = ReadBytes(file);
        return {bytes.begin(), bytes.end()};
    }

    t2d::ImportContext context = Context();
};

TEST_F(TimetableFileTest, AnEmptyTimetableGivesTheHeaderAlone) {
    ASSERT_TRUE(Write());
    EXPECT_EQ(File(), "1CH0147252025\r\n");
}

TEST_F(TimetableFileTest, ClassesInKeyByteOrderEachFollowedByItsGroups) {
    // Records appended out of order; lower case and accented letters sort by byte.
    AddClass("Gla       101", {"G3"});
    AddClass("ST\xC1       101", {});
    AddClass("GLA       201", {"G2"});
    AddClass("GLA       101", {"G1A", "G1B"});
    AddClass("ABC       512", {"G9"});
    AddClass("STA       101", {});
    ASSERT_TRUE(Write());
    // Type-2 lines: room = the key's first three characters; type-3 lines: the group code.
    std::vector<std::string> order;
    const std::string file = File();
    for (std::size_t start = 0; start < file.size();) {
        const std::size_t end = file.find("\r\n", start);
        const std::string line = file.substr(start, end - start);
        order.push_back(line[0] == '2' ? line.substr(line.size() - 19, 3) : line.substr(1, 3));
        start = end + 2;
    }
    EXPECT_EQ(order, (std::vector<std::string>{"CH0", "ABC", "G9 ", "GLA", "G1A", "G1B", "GLA", "G2 ", "Gla",
                                               "G3 ", "STA", "ST\xC1"}));
}

// Keys with bytes above 0x7F sort after plain letters, as the index sorts
// them: the groups of such a key still follow their own class.
TEST_F(TimetableFileTest, GroupsOfAKeyWithAccentedLettersFollowItsClass) {
    AddClass("ST\xC1       101", {"G5"});
    AddClass("STA       101", {"G4"});
    AddClass("STZ       101", {});
    ASSERT_TRUE(Write());
    const std::string file = File();
    const std::size_t g4 = file.find("3G4 "), g5 = file.find("3G5 ");
    const std::size_t sta = file.find("STA00000"), stz = file.find("STZ00000"),
                      st = file.find("ST\xC1"
                                     "00000");
    ASSERT_NE(g4, std::string::npos);
    ASSERT_NE(g5, std::string::npos);
    EXPECT_LT(sta, g4);
    EXPECT_LT(g4, stz);
    EXPECT_LT(stz, st);
    EXPECT_LT(st, g5);
}

TEST_F(TimetableFileTest, WritingTwiceGivesTheSameFile) {
    AddClass("GLA       101", {"G1"});
    ASSERT_TRUE(Write());
    const std::string first = File();
    ASSERT_TRUE(Write());
    EXPECT_EQ(File(), first);
}

TEST_F(TimetableFileTest, AFailedWriteKeepsTheEarlierFileAndLeavesTheRunUnfinished) {
    test::WriteBytes(dae() / "fCUADROS.txt", {'o', 'l', 'd'});
    std::filesystem::create_directory(dae() / "fCUADROS.txt.tmp~"); // the temporary file cannot be made
    AddClass("GLA       101", {"G1"});
    EXPECT_FALSE(Write());
    EXPECT_EQ(File(), "old");
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::NotFinished);
    ASSERT_EQ(prompt.Texts().size(), 1u);
    EXPECT_NE(prompt.Texts()[0].find("fCUADROS.txt"), std::string::npos) << prompt.Texts()[0];
}

TEST_F(TimetableFileTest, AMissingFolderWritesNothing) {
    std::filesystem::remove_all(dae());
    EXPECT_FALSE(Write());
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{std::string(t2d::FolderMissing())});
    EXPECT_EQ(context.codificationStatus, t2d::CodificationStatus::NotFinished);
    EXPECT_FALSE(std::filesystem::exists(dae()));
}

} // namespace
} // namespace tv::test
