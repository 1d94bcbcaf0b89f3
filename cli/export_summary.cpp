#include "cli/export_summary.h"

#include "tables/path_text.h"

#include "cli/terminal.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

#include <array>
#include <optional>
#include <string_view>

namespace tv::cli {
namespace {

// In the order the run writes them.
constexpr std::array<std::string_view, 18> kTables{
    schema::kTaskTypesTable,   schema::kCoursesTable,         schema::kModelsTable,
    schema::kDaeSubjectsTable, schema::kOtherActivitiesTable, schema::kDocumentTypesTable,
    schema::kLevelsTable,      schema::kSpecialitiesTable,    schema::kLanguagesTable,
    schema::kCentreTable,      schema::kTemplatesTable,       schema::kSavedLevelsTable,
    schema::kDayHourTable,     schema::kSubjectTable,         schema::kTeacherTable,
    schema::kRoomTable,        schema::kGroupTable,           schema::kAssignmentTable,
};

std::optional<std::filesystem::file_time_type> LastWrite(const std::filesystem::path& ktemp,
                                                         std::string_view table) {
    std::error_code ec;
    const auto time =
        std::filesystem::last_write_time(tables::ResolveFileName(ktemp, std::string(table) + ".DBF"), ec);
    if (ec) return std::nullopt;
    return time;
}

} // namespace

ExportSummary::ExportSummary(std::filesystem::path ktemp) : ktemp_(std::move(ktemp)) {
    for (const auto table : kTables)
        if (const auto time = LastWrite(ktemp_, table)) before_[std::string(table)] = *time;
}

void ExportSummary::Print() const {
    PrintLine(FormatText(TV_TEXT("Línea de órdenes", "Tablas escritas en %1:"), {tables::PathText(ktemp_)}));
    for (const auto table : kTables) {
        const auto now = LastWrite(ktemp_, table);
        if (!now) continue;
        if (const auto earlier = before_.find(std::string(table));
            earlier != before_.end() && earlier->second == *now)
            continue;
        tables::Table written;
        written.Open(ktemp_, table, tables::OpenMode::ReadOnly);
        const int rows = written.RecordCount();
        written.Close();
        std::string name(table);
        name.resize(14, ' ');
        PrintLine("  " + name +
                  FormatText(rows == 1 ? TV_TEXT("Línea de órdenes", "%1 fila")
                                       : TV_TEXT("Línea de órdenes", "%1 filas"),
                             {std::to_string(rows)}));
    }
}

} // namespace tv::cli
