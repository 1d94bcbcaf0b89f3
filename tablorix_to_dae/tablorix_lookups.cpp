#include "tablorix_to_dae/tablorix_lookups.h"

#include "tablorix_to_dae/plantilla_centro.h"

#include "tables/table.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

ByName<GroupCodes> ReadGroups(const std::filesystem::path& ktemp) {
    tables::Table groups;
    groups.Open(ktemp, schema::kGroupTable, tables::OpenMode::Exclusive);
    ByName<GroupCodes> byAbbreviation;
    for (groups.First(); !groups.Eof(); groups.Next())
        byAbbreviation.TryAdd(groups.AsString(schema::kAbbreviationField),
                              GroupCodes{groups.AsString("NIVELDAE"), groups.AsString("PLANDAE"),
                                         groups.AsString("CODGRUDAE"), groups.AsString("ALIASDAE"),
                                         groups.AsString("MAXALUM")});
    return byAbbreviation;
}

ByName<SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp) {
    tables::Table subjects;
    subjects.Open(ktemp, schema::kSubjectTable, tables::OpenMode::Exclusive);
    ByName<SubjectCodes> byCode;
    for (subjects.First(); !subjects.Eof(); subjects.Next())
        byCode.TryAdd(subjects.AsString("COD"),
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
