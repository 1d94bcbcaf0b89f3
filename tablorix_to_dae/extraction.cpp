#include "tablorix_to_dae/extraction.h"

#include "tablorix_to_dae/class_values.h"
#include "tablorix_to_dae/work_records.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/table.h"

namespace tv::tablorix_to_dae {
namespace {

// The teacher's document, from PROFT by its ABREV tag; an unknown teacher is
// appended so that the codification window lists him for his document.
Teacher FindOrAppendTeacher(tables::Table& teachers, const std::string& abbreviation) {
    if (teachers.FindKey(abbreviation)) return {teachers.AsString("TIPODNI"), teachers.AsString("DNI")};
    teachers.Append();
    teachers.SetString("ABREV", abbreviation);
    teachers.Post();
    return {};
}

} // namespace

void ExtractTimetable(const std::filesystem::path& ktemp) {
    const std::vector<SolucClass> classes = ReadSoluc(ktemp);
    const Lookups lookups{ReadGroups(ktemp), ReadSubjects(ktemp), ReadPeriods(ktemp)};

    tables::Table teachers;
    teachers.Open(ktemp, "PROFT", tables::OpenMode::Exclusive);
    teachers.SetIndexName("ABREV");
    tables::Table cuadroh2;
    cuadroh2.Open(ktemp, kCuadroH2, tables::OpenMode::Exclusive);
    tables::Table cuadroh3;
    cuadroh3.Open(ktemp, kCuadroH3, tables::OpenMode::Exclusive);
    FirstRecordByKey classKeys(cuadroh2);
    FirstRecordByKey groupKeys(cuadroh3);

    for (const SolucClass& lesson : classes) {
        const Teacher teacher = FindOrAppendTeacher(teachers, lesson.teacher);
        const ClassValues values = JoinClass(lesson, teacher, lookups);
        WriteClassRecord(cuadroh2, classKeys, values);
        WriteGroupRecord(cuadroh3, groupKeys, values);
    }
    teachers.Close();

    RemoveUntouchedRecords(cuadroh2);
    RemoveUntouchedRecords(cuadroh3);
}

} // namespace tv::tablorix_to_dae
