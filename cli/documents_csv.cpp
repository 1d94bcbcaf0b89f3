#include "cli/documents_csv.h"

#include "cli/semicolon_file.h"

#include "tablorix_to_dae/codification_rules.h"

#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/teacher_table.h"

#include <stdexcept>

namespace tv::cli {
namespace {

struct Width {
    const char* name;
    std::size_t characters;
};
constexpr Width kWidths[] = {{"ABREV", 10}, {"TIPODNI", 4}, {"DNI", 15}};

} // namespace

std::vector<TeacherDocument> ReadDocumentsCsv(const std::filesystem::path& file) {
    std::vector<TeacherDocument> documents;
    for (const SemicolonLine& line : ReadSemicolonFile(file, "--documentos", 3, "ABREV;TIPODNI;DNI")) {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < line.fields.size(); ++i) {
            values.push_back(TrimBoth(line.fields[i]));
            if (values.back().size() > kWidths[i].characters)
                throw std::runtime_error(
                    FormatText(TV_TEXT("Línea de órdenes", "%1: %2 %3 tiene más de %4 caracteres"),
                               {line.where, kWidths[i].name, QuotedForMessage(values.back()),
                                std::to_string(kWidths[i].characters)}));
        }
        documents.push_back({values[0], values[1], values[2]});
    }
    return documents;
}

void TypeTeacherDocuments(tablorix_to_dae::CodificationTables& tables,
                          const std::vector<TeacherDocument>& documents) {
    tables::Table& teachers = tables.teachers;
    for (const auto& document : documents)
        if (!teachers.FindKey(document.teacher))
            throw std::runtime_error(
                FormatText(TV_TEXT("Línea de órdenes", "--documentos: no hay ningún profesor %1 en PROFT"),
                           {QuotedForMessage(document.teacher)}));
    for (const auto& document : documents) {
        teachers.FindKey(document.teacher);
        teachers.Edit();
        teachers.SetString(schema::kDocumentTypeField, document.documentType);
        teachers.SetString(schema::kDocumentField, document.document);
        tablorix_to_dae::CopyDocumentToTeacherRecords(tables);
        teachers.Post();
    }
    teachers.First();
}

} // namespace tv::cli
