// PROFT: one row per teacher of profesorado.txt, with an abbreviation made of
// the initials of the three name parts, unique among the teachers.
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/unique_codes.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/table_builder.h"
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

// PROFT's fields, found once.
class TeacherRecords {
  public:
    explicit TeacherRecords(tables::TableBuilder& table)
        : table_(table), abbreviation_(table.Field(schema::kAbbreviationField)),
          name_(table.Field(schema::kTeacherNameField)), department_(table.Field(schema::kDepartmentField)),
          document_(table.Field(schema::kDocumentField)),
          documentType_(table.Field(schema::kDocumentTypeField)) {}

    void Append(std::string_view record, UniqueCodes& abbreviations) {
        const std::string first = Field(record, 22, 50);
        const std::string second = Field(record, 72, 50);
        const std::string third = Field(record, 122, 30);
        char* row = table_.Record(table_.Append());
        abbreviation_.SetText(row, abbreviations.Take(Initials(first, second, third)));
        name_.SetText(row, first + " " + second + " " + third);
        department_.SetText(row, Field(record, 161, 150));
        document_.SetText(row, Field(record, 7, 15));
        documentType_.SetText(row, Cut(record, 3, 4));
    }

  private:
    tables::TableBuilder& table_;
    tables::FieldSlot abbreviation_, name_, department_, document_, documentType_;
};

} // namespace

void CreaProfesores(ExportContext& context) {
    // PROFT is renewed even when the file is missing: the groups read it.
    tables::Table::Create(context.ktemp, schema::kTeacherTable, schema::TeacherTableDecl());
    const auto file =
        FindDaeFile(context, "profesorado.txt",
                    TV_TEXT("Exportar", "No existe archivo DAE de Profesores (profesorado.txt)"));
    if (!file) return;
    const FirstLine firstLine(*file);
    const std::string_view line = firstLine.Text();
    const std::size_t recordLength = context.privateCentre ? kPrivateRecordLength : kPublicRecordLength;
    const std::string_view records = std::string_view(line).substr(std::min(line.size(), kHeadLength));
    // Thousands of rows: built in bulk, one per record of the line.
    tables::TableBuilder teachers(context.ktemp, schema::kTeacherTable);
    teachers.Reserve(static_cast<std::uint32_t>(records.size() / recordLength + 1));
    TeacherRecords teacherRecords(teachers);
    UniqueCodes abbreviations(LetterCase::Insensitive);
    for (const std::string_view record : SplitRecords(records, recordLength))
        teacherRecords.Append(record, abbreviations);
    teachers.Write().Close();
}

} // namespace tv::dae_to_tablorix
