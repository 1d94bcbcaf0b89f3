// The sample school ready for importar: its DAE folder copied and exported
// into a scratch KTEMP, with the sample's SOLUC beside the exported tables.
#pragma once

#include "tests/cli/cli_run.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tv::test {

inline const std::filesystem::path kSample =
    std::filesystem::path(TV_SOURCE_DIR) / "examples" / "centro-ejemplo";

class SampleSchoolExportedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy(kSample / "DAE", dae);
        const CliResult run = RunCli({"exportar", "--dae", dae.string(), "--ktemp", ktemp.path().string(),
                                      "--version", "2526", "--niveles", (kSample / "niveles.csv").string()});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        std::filesystem::copy_file(kSample / "SOLUC.DBF", ktemp / "SOLUC.DBF");
    }

    ScratchDir ktemp;
    ScratchDir work;
    const std::filesystem::path dae = work / "DAE";
};

} // namespace tv::test
