#include "tablorix_to_dae/tablorix_lookups.h"

#include "tablorix_to_dae/plantilla_centro.h"

#include "tables/table.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

std::unordered_map<std::string, GroupCodes> ReadGroups(const std::filesystem::path& ktemp) {
    tables::Table groups;
    groups.Open(ktemp, schema::kGroupTable, tables::OpenMode::Exclusive);
    std::unordered_map<std::string, GroupCodes> byAbbreviation;
    for (groups.First(); !groups.Eof(); groups.Next())
        byAbbreviation.try_emplace(groups.AsString(schema::kAbbreviationField),
                                   GroupCodes{groups.AsString("NIVELDAE"), groups.AsString("PLANDAE"),
                                              groups.AsString("CODGRUDAE"), groups.AsString("ALIASDAE"),
                                              groups.AsString("MAXALUM")});
    return byAbbreviation;
}

std::unordered_map<std::string, SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp) {
    tables::Table subjects;
    subjects.Open(ktemp, schema::kSubjectTable, tables::OpenMode::Exclusive);
    std::unordered_map<std::string, SubjectCodes> byCode;
    for (subjects.First(); !subjects.Eof(); subjects.Next())
        byCode.try_emplace(subjects.AsString("COD"),
                           SubjectCodes{subjects.AsString("CODIGODAE"), subjects.AsString("NOMBRE")});
    return byCode;
}

std::unordered_map<int, TemplateRow> ReadPeriods(const std::filesystem::path& ktemp) {
    std::unordered_map<int, TemplateRow> byPeriod;
    for (TemplateRow& row : ReadTemplate(ktemp))
        byPeriod.try_emplace(row.period, std::move(row));
    return byPeriod;
}

} // namespace tv::tablorix_to_dae
