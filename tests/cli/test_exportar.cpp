// transveloradae-cli exportar on the sample school: every table it writes
// against reviewed dumps, the indexes walked tag by tag, and the exit codes
// and answers given as options.
//
// TV_UPDATE_GOLDEN=1 rewrites the dumps instead of comparing; review the diff.
#include "tables/cp1252.h"
#include "tables/index_key.h"
#include "tables/mdx_file.h"
#include "tables/table.h"
#include "tests/cli/cli_run.h"

#include <algorithm>
#include <cstdlib>

namespace tv::test {
namespace {

const std::filesystem::path kSample = std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";
const std::filesystem::path kGolden = TestData("golden/centro-ejemplo");

bool UpdatingGolden() {
    return std::getenv("TV_UPDATE_GOLDEN") != nullptr;
}

void CompareWithGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path golden = kGolden / name;
    if (UpdatingGolden()) {
        std::filesystem::create_directories(kGolden);
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
    EXPECT_EQ(actual, ReadText(golden)) << name;
}

// A copy of the sample's DAE folder that a test may change.
std::filesystem::path CopySample(const ScratchDir& dir) {
    std::filesystem::copy(kSample / "DAE", dir / "DAE");
    return dir / "DAE";
}

class ExportarTest : public ::testing::Test {
  protected:
    CliResult Exportar(const std::filesystem::path& dae, std::vector<std::string> options = {}) {
        std::vector<std::string> arguments = {"exportar", "--dae", dae.string(), "--ktemp",
                                              ktemp.path().string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return RunCli(arguments);
    }

    std::vector<std::string> Column(const std::string& table, const std::string& field) {
        tables::Table t;
        t.Open(ktemp.path(), table, tables::OpenMode::ReadOnly);
        std::vector<std::string> values;
        for (t.First(); !t.Eof(); t.Next())
            values.push_back(t.AsString(field));
        return values;
    }

    bool Exists(const std::string& table) { return std::filesystem::exists(ktemp / (table + ".DBF")); }

    ScratchDir ktemp;
    ScratchDir work;
    const std::string levelsCsv = (kSample / "niveles.csv").string();
};

TEST_F(ExportarTest, TheSampleSchoolGivesTheReviewedTables) {
    const CliResult run = Exportar(kSample / "DAE", {"--version", "2526", "--niveles", levelsCsv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "Proceso finalizado\n");
    CompareWithGolden("resumen.txt", run.out.substr(run.out.find('\n') + 1)); // without the KTEMP folder

    std::vector<std::string> written;
    for (const auto& entry : std::filesystem::directory_iterator(ktemp.path()))
        if (entry.path().extension() == ".DBF") written.push_back(entry.path().stem().string());
    std::sort(written.begin(), written.end());
    ASSERT_EQ(written.size(), 18u);
    for (const auto& table : written) {
        SCOPED_TRACE(table);
        const std::string file = (ktemp / (table + ".DBF")).string();
        const CliResult listing = RunCli({"tabla", file});
        const CliResult rows = RunCli({"tabla", file, "--csv"});
        ASSERT_EQ(listing.exitCode, 0) << listing.err;
        ASSERT_EQ(rows.exitCode, 0) << rows.err;
        // The schema: the listing up to its blank line (name, count, fields with types and widths).
        CompareWithGolden(table + ".schema", listing.out.substr(0, listing.out.find("\n\n") + 1));
        CompareWithGolden(table + ".csv", rows.out);
    }
}

// Walks every tag of the production index in key order and checks it against
// the rows: each key is its record's field, keys ascend, every row is there once.
TEST_F(ExportarTest, TheTeacherAndRoomIndexesAreInKeyOrder) {
    ASSERT_EQ(Exportar(kSample / "DAE", {"--niveles", levelsCsv}).exitCode, 0);
    for (const std::string table : {"PROFT", "AULAT"}) {
        SCOPED_TRACE(table);
        const auto mdx = ReadBytes(ktemp / (table + ".MDX"));
        const tables::MdxInfo info = tables::ReadMdx(mdx, table + ".MDX");
        ASSERT_EQ(info.tags.size(), 1u);

        tables::Table rows;
        rows.Open(ktemp.path(), table, tables::OpenMode::ReadOnly);
        for (const auto& tag : info.tags) {
            EXPECT_EQ(tag.name, "ABREV");
            EXPECT_EQ(tag.expression, "ABREV");
            const auto entries = tables::WalkMdxTag(mdx, tag, table + ".MDX");
            ASSERT_EQ(entries.size(), static_cast<std::size_t>(rows.RecordCount()));

            std::string order;
            std::vector<std::uint32_t> records;
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const auto& [key, record] = entries[i];
                if (i > 0) {
                    EXPECT_LE(tables::CompareIndexKeys(tag.keyType, entries[i - 1].first, key), 0);
                }
                rows.GotoBookmark({record});
                std::string field = rows.AsString(tag.expression);
                field.resize(static_cast<std::size_t>(tag.keyLength), ' ');
                EXPECT_EQ(key, field) << "record " << record;
                records.push_back(record);
                order += std::to_string(record) + ";" + Cp1252ToUtf8(rows.AsString(tag.expression)) + "\r\n";
            }
            std::sort(records.begin(), records.end());
            EXPECT_EQ(std::adjacent_find(records.begin(), records.end()), records.end());
            CompareWithGolden(table + "." + tag.name + ".order", order);

            // The cursor in the order of the tag gives the same sequence.
            std::string cursorOrder;
            rows.SetIndexName(tag.name);
            for (rows.First(); !rows.Eof(); rows.Next())
                cursorOrder +=
                    std::to_string(rows.RecNo()) + ";" + Cp1252ToUtf8(rows.AsString(tag.expression)) + "\r\n";
            EXPECT_EQ(cursorOrder, order);
            rows.SetIndexName("");
        }
    }
}

TEST_F(ExportarTest, CastilianTextsWithTheLanguageBoxSetOtherwise) {
    for (const std::string language : {"CASTELLANO", "euskera"}) {
        ASSERT_EQ(Exportar(kSample / "DAE", {"--idioma", language, "--niveles", levelsCsv}).exitCode, 0);
        EXPECT_EQ(Column("GRUPOST", "NIVEL").front(), "ESO") << language;
        EXPECT_EQ(Column("ASIGNOMT", "COD")[3], "LCyL") << language;
    }
}

TEST_F(ExportarTest, APrivateCentreReadsTeacherRecordsOf599Characters) {
    // The sample is a public centre (578): read as private, every record after
    // the first is misplaced and the 40 records of the line make 39.
    ASSERT_EQ(Exportar(kSample / "DAE", {"--privado", "--niveles", levelsCsv}).exitCode, 0);
    const auto names = Column("PROFT", "NOMBRE");
    ASSERT_EQ(names.size(), 39u);
    EXPECT_EQ(names[0], "GARAIKOETXEA LARRA\xD1"
                        "AGA AITZIBER");
    EXPECT_NE(names[1], "GARC\xCD"
                        "A L\xD3PEZ ANA");
}

TEST_F(ExportarTest, AMissingFolderOrFileEndsWithExitCodeOne) {
    CliResult run = Exportar(work / "no-existe");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No existe la carpeta\n");
    EXPECT_FALSE(Exists("daeTIPTAR"));

    // A missing code list ends the reading: nothing of Tablorix is written.
    const auto dae = CopySample(work);
    std::filesystem::remove(dae / "V55T11.txt");
    run = Exportar(dae);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No existe archivo DAE (V55T11.txt)\n");
    EXPECT_TRUE(Exists("daeTIPDOC"));
    EXPECT_FALSE(Exists("daeNIVIMP"));
    EXPECT_FALSE(Exists("PROFT"));
}

TEST_F(ExportarTest, AMissingWriterFileStillRunsTheOtherWriters) {
    const auto dae = CopySample(work);
    std::filesystem::remove(dae / "AULAS.txt");
    const CliResult run = Exportar(dae, {"--niveles", levelsCsv});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No existe archivo DAE de Aulas (AULAS.txt)\nProceso finalizado\n");
    EXPECT_FALSE(Exists("AULAT"));
    EXPECT_EQ(Column("ASIGT", "CASIG").size(), 38u);
    EXPECT_EQ(run.out.find("AULAT"), std::string::npos);
}

TEST_F(ExportarTest, SavedAbbreviationsAreRecoveredUnlessDiscarded) {
    ASSERT_EQ(Exportar(kSample / "DAE", {"--niveles", levelsCsv}).exitCode, 0);

    CliResult run = Exportar(kSample / "DAE");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("Recuperación de Niveles y Cursos importados anteriormente:\n"
                           "Existen Niveles y Cursos ya definidos de una Importación anterior.\n"
                           "¿Quiere recuperar las codificaciones introducidas anteriormente? -> Aceptar"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(Column("GRUPOST", "NIVEL").front(), "DBH");

    run = Exportar(kSample / "DAE", {"--descartar-niveles"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("-> Cancelar"), std::string::npos);
    EXPECT_EQ(Column("GRUPOST", "NIVEL").front(), "NIV");
    EXPECT_EQ(Column("daeNIVIMP2", "ABREVEUSK"), (std::vector<std::string>{"", "", ""}));
}

TEST_F(ExportarTest, ARepeatedAbbreviationEndsWithExitCodeThreeAndSavesNothing) {
    ASSERT_EQ(Exportar(kSample / "DAE", {"--niveles", levelsCsv}).exitCode, 0);
    const auto csv = work / "repetidos.csv";
    std::ofstream(csv) << "0005;ESO;DBH\n0007;eso;BATX\n";
    const CliResult run = Exportar(kSample / "DAE", {"--niveles", csv.string()});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("Abreviatura en Castellano Repetida - Compruébelo.\n"), std::string::npos)
        << run.err;
    EXPECT_EQ(Column("daeNIVIMP2", "ABREVCAST"), (std::vector<std::string>{"ESO", "BACH", "DIVER"}));
    EXPECT_FALSE(Exists("DIASHORAST"));
}

TEST_F(ExportarTest, TheTemplateIsChosenByCode) {
    // A code that is not offered stops the run before the levels are saved.
    const CliResult run = Exportar(kSample / "DAE", {"--plantilla", "NADA", "--niveles", levelsCsv});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--plantilla: no hay ninguna plantilla con el código 'NADA' (plantillas: ORD2526, "
                           "JUN2526)"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(Exists("daeNIVIMP2"));

    ASSERT_EQ(Exportar(kSample / "DAE", {"--plantilla", "JUN2526"}).exitCode, 0);
    EXPECT_EQ(Column("DIASHORAST", "PLANTILLA"), std::vector<std::string>(25, "JUN2526"));
}

TEST_F(ExportarTest, WithoutATemplateFileTheRunStopsBeforeTheWriters) {
    const auto dae = CopySample(work);
    std::filesystem::remove(dae / "PLANTILLAS.txt");
    const CliResult run = Exportar(dae);
    const std::string messages =
        "No existe archivo DAE (Plantillas.txt o T02.txt)\n"
        "Pero podrá Crear su Plantilla Horaria, cuando Exporte la Solución del Horario.\n";
    EXPECT_EQ(run.exitCode, 0); // TransformResult stays 1, as in the window
    EXPECT_EQ(run.err, messages + messages);
    EXPECT_FALSE(Exists("DIASHORAST"));
    EXPECT_FALSE(Exists("PROFT"));
}

TEST_F(ExportarTest, BadInputEndsWithExitCodeTwoAndASpanishMessage) {
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::string message;
    };
    const auto badCsv = work / "malo.csv";
    std::ofstream(badCsv) << "0005;ESO\n";
    const auto longCsv = work / "largo.csv";
    std::ofstream(longCsv) << "0005;SECUNDARIA;DBH\n";
    const auto unknownCsv = work / "desconocido.csv";
    std::ofstream(unknownCsv) << "0005;ESO;DBH\n0099;X;Y\n";
    const Case cases[] = {
        {"a language outside Windows-1252", {"--idioma", "ΕΛΛΗΝΙΚΆ"}, "Windows-1252"},
        {"a CSV line without three fields",
         {"--niveles", badCsv.string()},
         "--niveles malo.csv, línea 1: se esperaban 3 campos (COD;ABREVCAST;ABREVEUSK)"},
        {"an abbreviation too long",
         {"--niveles", longCsv.string()},
         "--niveles largo.csv, línea 1: la abreviatura 'SECUNDARIA' tiene más de 5 caracteres"},
        {"a level the centre does not teach",
         {"--niveles", unknownCsv.string()},
         "--niveles: el nivel '0099' no está en daeNIVIMP"},
    };
    for (const auto& c : cases) {
        const CliResult run = Exportar(kSample / "DAE", c.options);
        EXPECT_EQ(run.exitCode, 2) << c.what;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << ": " << run.err;
    }
    EXPECT_FALSE(Exists("daeNIVIMP2")); // the unknown level stopped the run before anything was saved

    // A capacity that is not a number stops the run in the rooms writer.
    const auto dae = CopySample(work);
    std::string rooms = ReadText(dae / "AULAS.txt");
    rooms.replace(58, 3, "3O ");
    std::ofstream(dae / "AULAS.txt", std::ios::binary) << rooms;
    const CliResult run = Exportar(dae);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("'3O ' is not a valid integer value for field 'MAXALUM'"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Proceso finalizado"), std::string::npos);
}

} // namespace
} // namespace tv::test
