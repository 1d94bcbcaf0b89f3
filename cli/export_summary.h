// What exportar wrote: the tables of KTEMP that it created or changed.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tv::cli {

class ExportSummary {
  public:
    // Notes the state of the tables before the run.
    explicit ExportSummary(std::filesystem::path ktemp);
    // One line per table written since, with its row count, on stdout.
    void Print() const;

  private:
    std::filesystem::path ktemp_;
    std::map<std::string, std::filesystem::file_time_type> before_;
};

} // namespace tv::cli
