// The cursors of the codification window, opened and linked as the window
// shows them: the teachers, each teacher's type-2 records, the groups of the
// current type-2 record, all type-3 records of the teacher, the catalogues of
// the drop-down lists, and GRUPOST held for as long as the window is open.
#pragma once

#include "tables/table.h"

#include <filesystem>
#include <functional>

namespace tv::tablorix_to_dae {

struct CodificationTables {
    tables::Table centre;         // daeCENTRO
    tables::Table teachers;       // PROFT, exclusive, ABREV order
    tables::Table classes;        // CUADROH2, ABREVPROF order, detail of teachers by ABREV
    tables::Table groups;         // CUADROH3, PROF_DIA_SES order, detail of classes by PROF_DIA_SES
    tables::Table teacherGroups;  // CUADROH3, ABREVPROF order, detail of teachers by ABREV
    tables::Table documentTypes;  // daeTIPDOC
    tables::Table taskTypes;      // daeTIPTAR
    tables::Table levels;         // daeNIVIMP
    tables::Table subjects;       // daeASIGNAT
    tables::Table languages;      // daeIDIOMA
    tables::Table activities;     // daeOTRACT
    tables::Table tablorixGroups; // GRUPOST, exclusive; nothing is read

    // In the window's order; a table that cannot be opened throws and the
    // ones already open close with the object.
    void Open(const std::filesystem::path& ktemp);
    // The orders and master/detail links of the window (Open sets them; the
    // timetable file's walk takes them away and puts them back).
    void Link();
    // Teachers and work tables (details first), the catalogues, GRUPOST, the centre last.
    void Close();

    // Visits the teachers in the cursor's order until `visit` returns false,
    // with the details unlinked meanwhile: each move of a linked master would
    // place three detail cursors again. Moving the cursor stores an edit in
    // progress first. Then the details are linked again and every cursor is
    // put back on the record it stood on.
    void WalkTeachers(const std::function<bool()>& visit);
};

} // namespace tv::tablorix_to_dae
