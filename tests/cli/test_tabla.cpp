// transveloradae-cli tabla: fields and live rows, in UTF-8, plain or CSV.
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace tv {
namespace {

std::string RunCli(const std::string& arguments, int& status) {
    const std::string command = std::string(TV_CLI_PATH) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) out.append(buffer.data(), n);
    status = pclose(pipe);
    return out;
}

TEST(TablaCommandTest, PrintsCsvWithQuotingInUtf8) {
    int status = 0;
    const std::string out = RunCli("tabla " + test::TestData("tablas/PROFESORES.DBF").string() + " --csv", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, "ABREV,NOMBRE,DNI,HORAS,REDUCCION,TUTOR\r\n"
                   "AGL,Aitziber Goikoetxea Larrañaga,12345678Z,18,1.5,True\r\n"
                   "JMI,José María Ibáñez,87654321X,20,0,False\r\n"
                   "MUÑ,\"Begoña Muñoz \"\"la Maestra\"\"\",,18,2.25,False\r\n"
                   "AGL1,\"Ander García, Lopez\",11111111H,12,,\r\n");
}

TEST(TablaCommandTest, ListsFieldsWithTypesAndWidths) {
    int status = 0;
    const std::string out = RunCli("tabla " + test::TestData("tablas/profesores").string(), status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("PROFESORES.DBF: 6 campos, 4 registros\n  ABREV C(10)\n  NOMBRE C(40)\n  DNI C(12)\n"
                       "  HORAS I(4)\n  REDUCCION O(8)\n  TUTOR L(1)\n"),
              std::string::npos)
        << out;
}

TEST(TablaCommandTest, ReportsAMissingOrCorruptTableInSpanish) {
    test::ScratchDir dir;
    test::WriteBytes(dir / "MALA.DBF", {0x04, 0x7E, 1, 1, 9, 0, 0, 0});
    int status = 0;
    EXPECT_NE(RunCli("tabla " + (dir / "MALA.DBF").string(), status).find("MALA.DBF"), std::string::npos);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(RunCli("tabla " + (dir / "NADA.DBF").string(), status).find("No existe la tabla 'NADA.DBF'"),
              std::string::npos);
    EXPECT_EQ(WEXITSTATUS(status), 2);
}

} // namespace
} // namespace tv
