#include "tablorix_to_dae/codification_tables.h"

#include "tablorix_to_dae/work_tables.h"

namespace tv::tablorix_to_dae {

void CodificationTables::Open(const std::filesystem::path& ktemp) {
    using tables::OpenMode;
    centre.Open(ktemp, "daeCENTRO");
    teachers.Open(ktemp, "PROFT", OpenMode::Exclusive);
    teachers.SetIndexName("ABREV");
    classes.Open(ktemp, kCuadroH2);
    groups.Open(ktemp, kCuadroH3);
    teacherGroups.Open(ktemp, kCuadroH3);
    Link();
    documentTypes.Open(ktemp, "daeTIPDOC", OpenMode::ReadOnly);
    taskTypes.Open(ktemp, "daeTIPTAR", OpenMode::ReadOnly);
    levels.Open(ktemp, "daeNIVIMP", OpenMode::ReadOnly);
    subjects.Open(ktemp, "daeASIGNAT", OpenMode::ReadOnly);
    languages.Open(ktemp, "daeIDIOMA", OpenMode::ReadOnly);
    activities.Open(ktemp, "daeOTRACT", OpenMode::ReadOnly);
    tablorixGroups.Open(ktemp, "GRUPOST", OpenMode::Exclusive);
}

void CodificationTables::Link() {
    classes.SetIndexName("ABREVPROF");
    classes.SetMasterSource(&teachers, "ABREV");
    groups.SetIndexName("PROF_DIA_SES");
    groups.SetMasterSource(&classes, "PROF_DIA_SES");
    groups.SetFiltered(true);
    teacherGroups.SetIndexName("ABREVPROF");
    teacherGroups.SetMasterSource(&teachers, "ABREV");
    teacherGroups.SetFiltered(true);
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
