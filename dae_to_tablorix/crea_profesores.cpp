// PROFT: one row per teacher of profesorado.txt, with an abbreviation made of
// the initials of the three name parts, unique among the teachers.
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/unique_codes.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

namespace tv::dae_to_tablorix {

namespace {

// The line starts with the centre code and year; the teachers follow.
constexpr std::size_t kHeadLength = 13;
// Records of private centres carry 21 more characters, past the fields read.
constexpr std::size_t kPublicRecordLength = 578;
constexpr std::size_t kPrivateRecordLength = 599;

std::string Initials(const std::string& first, const std::string& second, const std::string& third) {
    std::string initials;
    for (const std::string* part : {&first, &second, &third})
        if (!part->empty()) initials += part->front();
    return TrimBoth(initials);
}

void WriteTeacher(std::string_view record, UniqueCodes& abbreviations, tables::Table& teachers) {
    const std::string first = Field(record, 22, 50);
    const std::string second = Field(record, 72, 50);
    const std::string third = Field(record, 122, 30);
    teachers.Append();
    teachers.SetString(schema::kAbbreviationField, abbreviations.Take(Initials(first, second, third)));
    teachers.SetString(schema::kTeacherNameField, first + " " + second + " " + third);
    teachers.SetString(schema::kDepartmentField, Field(record, 161, 150));
    teachers.SetString(schema::kDocumentField, Field(record, 7, 15));
    teachers.SetString(schema::kDocumentTypeField, Cut(record, 3, 4));
    teachers.Post();
}

} // namespace

void CreaProfesores(ExportContext& context) {
    // PROFT is renewed even when the file is missing: the groups read it.
    tables::Table::Create(context.ktemp, schema::kTeacherTable, schema::TeacherTableDecl());
    tables::Table teachers;
    teachers.Open(context.ktemp, schema::kTeacherTable);
    const auto file =
        FindDaeFile(context, "profesorado.txt",
                    TV_TEXT("Exportar", "No existe archivo DAE de Profesores (profesorado.txt)"));
    if (!file) {
        teachers.Close();
        return;
    }
    const std::string line = ReadFirstLine(*file);
    const std::size_t recordLength = context.privateCentre ? kPrivateRecordLength : kPublicRecordLength;
    UniqueCodes abbreviations(LetterCase::Insensitive);
    const std::string_view records = std::string_view(line).substr(std::min(line.size(), kHeadLength));
    for (const std::string_view record : SplitRecords(records, recordLength))
        WriteTeacher(record, abbreviations, teachers);
    teachers.Close();
}

} // namespace tv::dae_to_tablorix
