// What still lacks a code in the codification, for the user's overview:
// teachers without a document and type-2 lines that are neither lective (a
// DAE subject) nor carry an activity. Reading only; nothing is changed.
#pragma once

#include <QStringList>

#include <filesystem>

namespace tv::app {

class TeachersModel;

// One line a record, teachers first (as the grid shows them, a document being
// typed included, as "&Terminar" stores it before its check), then the
// timetable lines in key order, by the core's rules. Reads CUADROH2 through
// its own cursor, so a line counts as coded once it is stored.
QStringList MissingCodes(const TeachersModel& teachers, const std::filesystem::path& ktemp);

} // namespace tv::app
