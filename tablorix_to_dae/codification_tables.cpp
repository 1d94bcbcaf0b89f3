#include "tablorix_to_dae/codification_tables.h"

#include "tablorix_to_dae/work_tables.h"

#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

void CodificationTables::Open(const std::filesystem::path& ktemp) {
    using tables::OpenMode;
    centre.Open(ktemp, schema::kCentreTable);
    teachers.Open(ktemp, schema::kTeacherTable, OpenMode::Exclusive);
    teachers.SetIndexName(schema::kAbbreviationField);
    classes.Open(ktemp, kCuadroH2);
    groups.Open(ktemp, kCuadroH3);
    teacherGroups.Open(ktemp, kCuadroH3);
    Link();
    documentTypes.Open(ktemp, schema::kDocumentTypesTable, OpenMode::ReadOnly);
    taskTypes.Open(ktemp, schema::kTaskTypesTable, OpenMode::ReadOnly);
    levels.Open(ktemp, schema::kLevelsTable, OpenMode::ReadOnly);
    subjects.Open(ktemp, schema::kDaeSubjectsTable, OpenMode::ReadOnly);
    languages.Open(ktemp, schema::kLanguagesTable, OpenMode::ReadOnly);
    activities.Open(ktemp, schema::kOtherActivitiesTable, OpenMode::ReadOnly);
    tablorixGroups.Open(ktemp, schema::kGroupTable, OpenMode::Exclusive);
}

void CodificationTables::Link() {
    classes.SetIndexName("ABREVPROF");
    classes.SetMasterSource(&teachers, schema::kAbbreviationField);
    groups.SetIndexName("PROF_DIA_SES");
    groups.SetMasterSource(&classes, "PROF_DIA_SES");
    groups.SetFiltered(true);
    teacherGroups.SetIndexName("ABREVPROF");
    teacherGroups.SetMasterSource(&teachers, schema::kAbbreviationField);
    teacherGroups.SetFiltered(true);
}

void CodificationTables::WalkTeachers(const std::function<bool()>& visit) {
    const tables::Bookmark teacherMark = teachers.GetBookmark();
    const tables::Bookmark classMark = classes.GetBookmark();
    const tables::Bookmark groupMark = groups.GetBookmark();
    const tables::Bookmark teacherGroupMark = teacherGroups.GetBookmark();
    const bool linked = classes.Active() && groups.Active() && teacherGroups.Active();
    if (linked)
        for (tables::Table* detail : {&teacherGroups, &groups, &classes})
            detail->SetMasterSource(nullptr, "");
    for (teachers.First(); !teachers.Eof(); teachers.Next())
        if (!visit()) break;
    if (teacherMark.record != 0) teachers.GotoBookmark(teacherMark);
    if (linked) Link();
    for (auto [detail, mark] : {std::pair{&classes, classMark}, std::pair{&groups, groupMark},
                                std::pair{&teacherGroups, teacherGroupMark}})
        if (mark.record != 0) detail->GotoBookmark(mark);
}

void CodificationTables::Close() {
    // Details first, so that closing a master never moves an open detail.
    for (tables::Table* table : {&teacherGroups, &groups, &classes, &teachers})
        table->Close();
    for (tables::Table* table :
         {&documentTypes, &taskTypes, &levels, &subjects, &languages, &activities, &tablorixGroups, &centre})
        table->Close();
}

} // namespace tv::tablorix_to_dae
