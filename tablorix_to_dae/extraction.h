// The extraction: one pass over SOLUC joined with PROFT, GRUPOST, ASIGNOMT
// and PLANTILLA into CUADROH2 / CUADROH3, then the records of classes no
// longer in the timetable are removed.
#pragma once

#include "tables/table.h"

#include <filesystem>

namespace tv::tablorix_to_dae {

// Shared cursors on CUADROH2 and CUADROH3 once they are written: while they
// stay open, the codification and the timetable file use the rows in memory
// instead of reading the tables again.
struct WrittenWorkTables {
    tables::Table classes;
    tables::Table groups;
};

// Runs over the work tables as they are (fresh or kept). Teachers that PROFT
// lacks are appended to it, with a blank document. Both work tables are
// complete on disk when it returns. Errors propagate (a table missing or in
// use, a SOLUC number that is not one).
WrittenWorkTables ExtractTimetable(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
