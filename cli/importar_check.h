// importar's check of the timetable file: --comprobar (report only, no file),
// the report printed before writing, blocking findings refusing the file
// unless --escribir-igualmente, and --informe FILE (the report as CSV).
#pragma once

#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/timetable_finding.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace tv::cli {

// Exit codes of importar beside 0 (done), 2 (error) and 4 (a teacher lacks a document).
inline constexpr int kExitBlockingFindings = 5;
inline constexpr int kExitWarningsOnly = 6; // --comprobar only

struct CheckOptions {
    bool checkOnly = false;   // --comprobar
    bool writeAnyway = false; // --escribir-igualmente
    std::string reportFile;   // --informe
};

void AddCheckOptions(CLI::App& command, CheckOptions& options);

class ImportarCheck {
  public:
    explicit ImportarCheck(const CheckOptions& options) : options_(options) {}

    // Checks the codification's tables, prints the report (on standard output
    // with --comprobar, else on standard error) and writes --informe. Throws
    // when the report file cannot be written.
    void Run(tablorix_to_dae::CodificationTables& tables, const std::filesystem::path& ktemp);
    bool Ran() const { return ran_; }
    // Whether fCUADROS.txt may be written after the check.
    bool AllowsWriting() const;
    // --comprobar's exit code: 0 no finding, 5 blocking findings, 6 warnings only.
    int CheckOnlyExitCode() const;
    // Why the file was not written, for standard error.
    static std::string RefusalMessage();

  private:
    const CheckOptions& options_;
    std::vector<tablorix_to_dae::Finding> findings_;
    bool ran_ = false;
};

} // namespace tv::cli
