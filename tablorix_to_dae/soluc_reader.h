// SOLUC, the timetable that Tablorix solved: one record per class. Tablorix
// decides the field types, so numbers are read whatever their dBase type
// (N, F, I, O) and NALUM and TAREA as text whatever theirs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

inline constexpr std::string_view kSolutionTable = "SOLUC";

struct SolucClass {
    std::string teacher; // PROF
    int day = 0;         // DIA, rounded
    int period = 0;      // HORA, rounded: the class's first period
    int sessions = 0;    // SESIONES, rounded: consecutive periods
    std::string subject; // ASIG
    std::string group;   // CODGRUPO
    std::string room;    // AULA
    std::string pupils;  // NALUM as text; "0" asks for the group's maximum
    std::string task;    // TAREA
};

// The timetabled classes of SOLUC in stored order (see IsTimetabled). The
// whole table is read before anything is written, so a value that is not a
// number stops the run with nothing changed; the error names the record.
std::vector<SolucClass> ReadSoluc(const std::filesystem::path& ktemp);

// Classes without a day (0) or without a teacher produce no DAE record.
bool IsTimetabled(const SolucClass& lesson);

} // namespace tv::tablorix_to_dae
