// SOLUC, the timetable that Tablorix solved: one record per class. Tablorix
// decides the field types, so numbers are read whatever their dBase type
// (N, F, I, O) and NALUM and TAREA as text whatever theirs.
#pragma once

#include "tables/table.h"
#include "tablorix_schema/table_names.h"

#include <deque>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

using schema::kSolutionTable;

// The texts are views into the SolucTimetable that holds the class.
struct SolucClass {
    std::string_view teacher; // PROF
    int day = 0;              // DIA, rounded
    int period = 0;           // HORA, rounded: the class's first period
    int sessions = 0;         // SESIONES, rounded: consecutive periods
    std::string_view subject; // ASIG
    std::string_view group;   // CODGRUPO
    std::string_view room;    // AULA
    std::string_view pupils;  // NALUM as text; "0" asks for the group's maximum
    std::string_view task;    // TAREA
};

// The classes and what their texts view: a character field's bytes in the
// rows of SOLUC, kept open, or a text of its own when the field reads back
// otherwise (a number, NULs read as blanks). A large timetable takes a few
// bytes per class instead of a string per field.
struct SolucTimetable {
    tables::Table table;           // SOLUC, open
    std::deque<std::string> texts; // never moved once made: the views stay valid
    std::vector<SolucClass> classes;
};

// The timetabled classes of SOLUC in stored order (see IsTimetabled). The
// whole table is read before anything is written, so a value that is not a
// number stops the run with nothing changed; the error names the record.
SolucTimetable ReadSoluc(const std::filesystem::path& ktemp);

// Classes without a day (0) or without a teacher produce no DAE record.
bool IsTimetabled(const SolucClass& lesson);

} // namespace tv::tablorix_to_dae
