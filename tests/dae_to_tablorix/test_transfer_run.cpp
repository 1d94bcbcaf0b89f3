// The transfer run: the chosen template into DIASHORAST, then the writers.
#include "dae_to_tablorix/template_heads.h"
#include "dae_to_tablorix/transfer_run.h"
#include "tables/conversion_error.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::TransferOutcome;
using dae_to_tablorix::TransferRun;
using Rows = std::vector<std::vector<std::string>>;

std::string Head(const std::string& code) {
    return DaeRecord(59).Put(1, "1").Put(2, code).Put(10, "Plantilla").str();
}

// Hour lines for `days` days of `hours` hours of 55 minutes from 08:00.
std::string Week(int days, int hours) {
    std::string lines;
    for (int day = 1; day <= days; ++day)
        for (int hour = 1; hour <= hours; ++hour) {
            char line[64];
            std::snprintf(line, sizeof line, "2%02d%d%02d:00%02d:550", hour, day, 7 + hour, 7 + hour);
            lines += line;
        }
    return lines;
}

const std::vector<std::string> kWritersMissing = {
    "No existe archivo DAE de Asignaturas (V55T15W18T54_1.txt)",
    "No existe archivo DAE de Profesores (profesorado.txt)",
    "No existe archivo DAE de Aulas (AULAS.txt)",
    "No existe archivo DAE de Grupos (GRUPOS.txt)",
    "No existe archivo DAE (V55T15W18T54_2.txt)",
    "Proceso finalizado",
};

class TransferRunTest : public WritersTest {
  protected:
    TransferRunTest() { dae_to_tablorix::StoreTemplateHeads({}, ktemp.path()); }

    TransferOutcome Run(const std::string& templateLine, std::string_view code) {
        WriteDaeFile("PLANTILLAS.txt", templateLine);
        return TransferRun(context, code);
    }

    Rows DayHours(const std::vector<std::string>& fields = {"DIHO", "TEXTODIA", "PLANTILLA"}) {
        return ReadRows("DIASHORAST", fields);
    }
};

TEST_F(TransferRunTest, AnHourLineBecomesADayHourRow) {
    EXPECT_EQ(Run(Head("ORD") + "201108:3009:250", "ORD"), TransferOutcome::Finished);
    EXPECT_EQ(DayHours({"DIHO", "CODDIHO", "DIA", "TEXTODIA", "HORA", "TEXTOHOR", "HORADESDE", "HORAHASTA",
                        "MINUTOS", "MARCO", "MARCOXML", "SESION_ORDEN", "PLANTILLA", "RECREO"}),
              (Rows{{"11", "", "1", "Lunes", "1", "1-08:30-09:25", "08:30", "09:25", "55", "0", "", "1",
                     "ORD", "0"}}));
}

TEST_F(TransferRunTest, AWeekOfHoursInFileOrder) {
    ASSERT_EQ(Run(Head("ORD") + Week(5, 6), "ORD"), TransferOutcome::Finished);
    const Rows rows = DayHours();
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"11", "Lunes", "ORD"}));
    EXPECT_EQ(rows[15], (std::vector<std::string>{"34", "Mi\xE9rcoles", "ORD"}));
    EXPECT_EQ(rows[29], (std::vector<std::string>{"56", "Viernes", "ORD"}));
    EXPECT_EQ(prompt.Texts(), kWritersMissing); // the writers ran, in order
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DaeFileMissing);
}

TEST_F(TransferRunTest, OnlyTheChosenTemplateIsRead) {
    const std::string file = Head("ORD") + "201108:0009:000" + "202108:0009:000" + Head("JUN") +
                             "201309:0010:001" + Head("JUNIO") + "201409:0010:001";
    struct Case {
        const char* code;
        Rows rows;
    };
    const Case cases[] = {
        {"ORD", {{"11", "Lunes", "ORD"}, {"12", "Lunes", "ORD"}}},
        {"JUN", {{"31", "Mi\xE9rcoles", "JUN"}}},
        {"JUNIO", {{"41", "Jueves", "JUNIO"}}},
        {"jun", {}}, // letter case counts
        {"OTRA", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(file, c.code), TransferOutcome::Finished) << c.code;
        EXPECT_EQ(DayHours(), c.rows) << c.code;
        EXPECT_EQ(prompt.Texts().back(), "Proceso finalizado");
    }
}

TEST_F(TransferRunTest, TheHeadCodeIsComparedWithoutItsTrailingBlanksOnly) {
    const std::string file = Head(" A") + "201108:0009:000";
    EXPECT_EQ(Run(file, "A"), TransferOutcome::Finished);
    EXPECT_TRUE(DayHours().empty());
    EXPECT_EQ(Run(file, " A"), TransferOutcome::Finished);
    EXPECT_EQ(DayHours(), (Rows{{"11", "Lunes", " A"}}));
}

TEST_F(TransferRunTest, DaysOutsideTheWeekRepeatThePreviousDayName) {
    EXPECT_EQ(
        Run(Head("X") + "201808:0009:000" + "201208:0009:000" + "202908:0009:000" + "201708:0009:001", "X"),
        TransferOutcome::Finished);
    EXPECT_EQ(DayHours({"DIHO", "DIA", "TEXTODIA", "RECREO"}), (Rows{{"81", "8", "", "0"},
                                                                     {"21", "2", "Martes", "0"},
                                                                     {"92", "9", "Martes", "0"},
                                                                     {"71", "7", "Domingo", "1"}}));
}

TEST_F(TransferRunTest, MinutesAreWrittenAsTheyCome) {
    EXPECT_EQ(Run(Head("X") + "201110:0009:300" + "202110:0010:000" + "210123:0000:100", "X"),
              TransferOutcome::Finished);
    EXPECT_EQ(DayHours({"DIHO", "HORA", "MINUTOS", "SESION_ORDEN"}),
              (Rows{{"11", "1", "-30", "1"}, {"12", "2", "0", "2"}, {"110", "10", "-1370", "10"}}));
}

TEST_F(TransferRunTest, T02IsReadWithoutPlantillas) {
    WriteDaeFile("T02.txt", Head("T02") + "201108:0009:000");
    EXPECT_EQ(TransferRun(context, "T02"), TransferOutcome::Finished);
    EXPECT_EQ(DayHours(), (Rows{{"11", "Lunes", "T02"}}));

    WriteDaeFile("PLANTILLAS.txt", Head("T02") + "201208:0009:000");
    EXPECT_EQ(TransferRun(context, "T02"), TransferOutcome::Finished);
    EXPECT_EQ(DayHours(), (Rows{{"21", "Martes", "T02"}}));
}

TEST_F(TransferRunTest, WithoutATemplateFileNothingIsWritten) {
    state.TransformResult = tv::TransformResult::DirectionRan;
    EXPECT_EQ(TransferRun(context, "ORD"), TransferOutcome::NoTemplateFile);
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{
                  "No existe archivo DAE (Plantillas.txt o T02.txt)",
                  "Pero podr\xE1 Crear su Plantilla Horaria, cuando Exporte la Soluci\xF3n del Horario.",
              }));
    EXPECT_EQ(state.TransformResult, tv::TransformResult::DirectionRan);
    EXPECT_FALSE(TableExists("DIASHORAST"));
    EXPECT_FALSE(TableExists("ASIGNOMT"));
    EXPECT_FALSE(TableExists("PROFT"));
}

TEST_F(TransferRunTest, WithoutTheTemplateTableTheRunStopsSilently) {
    std::filesystem::remove(ktemp / "daePLANTILLAS.DBF");
    EXPECT_EQ(Run(Head("ORD") + "201108:0009:000", "ORD"), TransferOutcome::NoTemplateTable);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(TableExists("DIASHORAST"));
}

TEST_F(TransferRunTest, ANumberThatIsNotOneEndsTheRunKeepingTheRowsBefore) {
    struct Case {
        std::string badLine;
        std::string message;
    };
    const Case cases[] = {
        {"2x1108:0009:000", "'x1' is not a valid integer value"},
        {"201 08:0009:000", "' ' is not a valid integer value"},
        {"20118h:0009:000", "'8h' is not a valid integer value"},
        {"201108:0009:5x0", "'5x' is not a valid integer value"},
        {"2011", "'' is not a valid integer value"}, // the line ends inside it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.badLine);
        prompt.shown.clear();
        const std::string after = c.badLine.size() == 15 ? "203108:0009:000" : "";
        WriteDaeFile("PLANTILLAS.txt", Head("ORD") + "201108:0009:000" + c.badLine + after);
        try {
            TransferRun(context, "ORD");
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
        EXPECT_EQ(DayHours(), (Rows{{"11", "Lunes", "ORD"}}));
        EXPECT_TRUE(prompt.shown.empty()); // no writer ran, no "Proceso finalizado"
        EXPECT_FALSE(TableExists("ASIGNOMT"));
    }
}

TEST_F(TransferRunTest, TheDayHourIndexFileIsLeftInPlace) {
    const std::vector<std::uint8_t> tablorixIndex = {'M', 'D', 'X'};
    WriteBytes(ktemp / "DIASHORAST.MDX", tablorixIndex);
    ASSERT_EQ(Run(Head("ORD") + "201108:0009:000", "ORD"), TransferOutcome::Finished);
    EXPECT_EQ(ReadBytes(ktemp / "DIASHORAST.MDX"), tablorixIndex);
    EXPECT_EQ(DayHours().size(), 1u);
}

} // namespace
} // namespace tv::test
