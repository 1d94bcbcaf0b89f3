// The check of the timetable file before it is written: what DAE could not
// take (blocking findings) and what is likely a mistake (warnings), read from
// the work tables, the teachers, the centre, the class-hour template and the
// DAE catalogues. It changes nothing.
//
// A group in two classes at once is a warning unless both classes teach the
// same subject from the same start to the same end: that is one class split
// between teachers (two teachers sharing a group, or its halves), which the
// timetable holds as one record per teacher. Different subjects, or times that
// only overlap, are shown for the user to judge.
#pragma once

#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/timetable_check_input.h"
#include "tablorix_to_dae/timetable_finding.h"

#include <filesystem>
#include <vector>

namespace tv::tablorix_to_dae {

// The findings, blocking ones first; within each severity, the centre, then
// the teachers, the classes and the groups in the order of the file.
std::vector<Finding> CheckTimetable(const TimetableCheckInput& input);

// Checks the tables in `ktemp` as it reads them, through cursors of its own,
// and the teachers through the codification's cursor (the window holds PROFT
// for itself); that cursor and its details are put back where they stood.
std::vector<Finding> CheckTimetable(CodificationTables& tables, const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
