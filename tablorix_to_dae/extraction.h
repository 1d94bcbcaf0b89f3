// The extraction: one pass over SOLUC joined with PROFT, GRUPOST, ASIGNOMT
// and PLANTILLA into CUADROH2 / CUADROH3, then the records of classes no
// longer in the timetable are removed.
#pragma once

#include <filesystem>

namespace tv::tablorix_to_dae {

// Runs over the work tables as they are (fresh or kept). Teachers that PROFT
// lacks are appended to it, with a blank document. Errors propagate (a table
// missing or in use, a SOLUC number that is not one).
void ExtractTimetable(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
