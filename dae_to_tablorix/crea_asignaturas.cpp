// ASIGNOMT: the DAE subjects with short codes unique among them, then the
// task types and the other activities as rows of the same table.
#include "dae_to_tablorix/unique_codes.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

namespace tv::dae_to_tablorix {

namespace {

constexpr std::size_t kShortCodeWidth = 10;

tables::TableDecl SubjectTableDecl() {
    return {{TextField("COD", 10), TextField("CODLARGO", 10), TextField("NOMBRE", 80),
             TextField("CODIGODAE", 8), BooleanField("ESTAREA"), TextField("DENIVEL", 5),
             TextField("DECURSO", 3)},
            {}};
}

// A repeated code with its number must still fit ten characters: characters
// are dropped from the end of the code to make room for the number
// ('MATEMATICA' with 12 gives 'MATEMATI12').
std::string SuffixWithinTen(std::string_view base, long long suffix) {
    std::string candidate = UniqueCodes::AppendSuffix(base, suffix);
    if (TrimBoth(candidate).size() <= kShortCodeWidth) return candidate;
    const std::size_t length = candidate.size();
    const std::size_t kept = length < 2 * kShortCodeWidth ? 2 * kShortCodeWidth - length : 0;
    return candidate.substr(0, kept) + candidate.substr(kShortCodeWidth);
}

// A subject without a short code is known by its name, or by the initials of
// a long name.
std::string ShortCodeFromName(const std::string& name) {
    const std::string trimmed = TrimBoth(name);
    if (trimmed.size() <= kShortCodeWidth) return trimmed;
    return std::string(Cut(trimmed.substr(0, 1) + WordInitials(trimmed), 1, kShortCodeWidth));
}

void AppendRow(tables::Table& subjects, const std::string& code, const std::string& longCode,
               const std::string& name, const std::string& daeCode, bool isTask) {
    subjects.Append();
    subjects.SetString("COD", code);
    subjects.SetString("CODLARGO", longCode);
    subjects.SetString("NOMBRE", name);
    subjects.SetString("CODIGODAE", daeCode);
    subjects.SetBoolean("ESTAREA", isTask);
    subjects.Post();
}

void WriteDaeSubjects(const ExportContext& context, tables::Table& catalogue, tables::Table& subjects) {
    UniqueCodes shortCodes(LetterCase::Insensitive, &SuffixWithinTen);
    for (catalogue.First(); !catalogue.Eof(); catalogue.Next()) {
        const std::string daeCode = catalogue.AsString("COD");
        const std::string name =
            ByLanguage(context, catalogue.AsString("DESCEUSK"), catalogue.AsString("DESCCAST"));
        std::string shortCode =
            ByLanguage(context, catalogue.AsString("CODEUSK"), catalogue.AsString("CODCAST"));
        if (TrimBoth(shortCode).empty()) shortCode = ShortCodeFromName(name);
        AppendRow(subjects, shortCodes.Take(shortCode), daeCode, name, daeCode, false);
    }
}

// Task types keep their DAE code as short code; they are not made unique.
void WriteTaskTypes(const ExportContext& context, tables::Table& subjects) {
    tables::Table catalogue;
    catalogue.Open(context.ktemp, schema::kTaskTypesTable, tables::OpenMode::ReadOnly);
    for (catalogue.First(); !catalogue.Eof(); catalogue.Next()) {
        const std::string code = catalogue.AsString("COD");
        const std::string longCode = TrimBoth(catalogue.AsString("TIPTAR")) + TrimBoth(code) + "-" +
                                     TrimBoth(catalogue.AsString("REFUERZO")) +
                                     TrimBoth(catalogue.AsString("OTRACTIV"));
        const std::string name =
            ByLanguage(context, catalogue.AsString("DESCEUSK"), catalogue.AsString("DESCCAST"));
        AppendRow(subjects, code, longCode, name, code, true);
    }
    catalogue.Close();
}

// Other activities are told from subjects by a leading dot.
void WriteOtherActivities(const ExportContext& context, tables::Table& subjects) {
    tables::Table catalogue;
    catalogue.Open(context.ktemp, schema::kOtherActivitiesTable, tables::OpenMode::ReadOnly);
    for (catalogue.First(); !catalogue.Eof(); catalogue.Next()) {
        const std::string code = catalogue.AsString("COD");
        const std::string name =
            ByLanguage(context, catalogue.AsString("DESCEUSK"), catalogue.AsString("DESCCAST"));
        AppendRow(subjects, "." + code, code, name, code, true);
    }
    catalogue.Close();
}

} // namespace

void CreaAsignaturas(ExportContext& context) {
    if (!FindDaeFile(context, "V55T15W18T54_1.txt",
                     TV_TEXT("Exportar", "No existe archivo DAE de Asignaturas (V55T15W18T54_1.txt)")))
        return;
    // The DAE subjects are opened first: without them the old ASIGNOMT stays.
    tables::Table daeSubjects;
    daeSubjects.Open(context.ktemp, schema::kDaeSubjectsTable, tables::OpenMode::ReadOnly);
    tables::Table::Create(context.ktemp, schema::kSubjectTable, SubjectTableDecl());
    tables::Table subjects;
    subjects.Open(context.ktemp, schema::kSubjectTable);
    WriteDaeSubjects(context, daeSubjects, subjects);
    WriteTaskTypes(context, subjects);
    WriteOtherActivities(context, subjects);
    subjects.Close();
    daeSubjects.Close();
}

} // namespace tv::dae_to_tablorix
