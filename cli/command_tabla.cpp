// transveloradae-cli tabla FILE.DBF [--csv]: the fields and live rows of a table.
#include "cli/commands.h"
#include "cli/terminal.h"

#include "tables/path_text.h"
#include "tables/table.h"
#include "tables/user_text.h"

#include <string>

namespace tv::cli {
namespace {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string FieldType(const tables::FieldInfo& field) {
    std::string type(1, field.type);
    type += "(" + std::to_string(field.length);
    if (field.decimals > 0) type += "," + std::to_string(field.decimals);
    return type + ")";
}

void PrintTable(tables::Table& table, bool csv) {
    const auto fields = table.Fields();
    std::string line;
    if (csv) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            line += (i ? "," : "") + CsvField(fields[i].name);
        PrintLine(line + '\r');
    } else {
        PrintLine(FormatText(TV_TEXT("Línea de órdenes", "%1: %2 campos, %3 registros"),
                             {tables::FileNameText(table.FilePath()), std::to_string(fields.size()),
                              std::to_string(table.RecordCount())}));
        for (const auto& field : fields)
            PrintLine("  " + field.name + " " + FieldType(field));
        PrintLine("");
    }
    for (table.First(); !table.Eof(); table.Next()) {
        line.clear();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string value = table.AsString(static_cast<int>(i));
            if (csv)
                line += (i ? "," : "") + CsvField(value);
            else
                line += (i ? " | " : "") + value;
        }
        PrintLine(csv ? line + '\r' : line);
    }
}

} // namespace

Command AddTablaCommand(CLI::App& app) {
    auto* options = app.add_subcommand("tabla", "Muestra los campos y los registros de una tabla dBase");
    auto file = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    options->add_option("FILE.DBF", *file, "La tabla (.DBF)")->required();
    options->add_flag("--csv", *csv,
                      "Salida CSV (RFC 4180): cabecera con los nombres y una línea por registro");
    return {options, [file, csv] {
                const std::filesystem::path path(*file);
                tables::Table table;
                table.Open(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."),
                           path.filename().string(), tables::OpenMode::ReadOnly);
                PrintTable(table, *csv);
                return 0;
            }};
}

} // namespace tv::cli
