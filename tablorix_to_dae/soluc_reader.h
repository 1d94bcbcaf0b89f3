// SOLUC, the timetable that Tablorix solved: one record per class. Tablorix
// decides the field types, so numbers are read whatever their dBase type
// (N, F, I, O) and NALUM and TAREA as text whatever theirs.
#pragma once

#include "tables/field_slot.h"
#include "tables/table.h"
#include "tables/table_rows.h"
#include "tablorix_schema/table_names.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

using schema::kSolutionTable;

// One timetabled class of SOLUC: its teacher and its numbers, read once;
// its other texts are read from its record when the class is joined
// (SolucTimetable::Texts), so a large timetable takes a few bytes per class.
struct SolucClass {
    std::string_view teacher; // PROF, a view into the SolucTimetable that holds the class
    std::uint32_t record = 0; // in SOLUC
    int day = 0;              // DIA, rounded
    int period = 0;           // HORA, rounded: the class's first period
    int sessions = 0;         // SESIONES, rounded: consecutive periods
};

// A class's other texts as AsString reads them.
struct SolucTexts {
    std::string_view subject; // ASIG
    std::string_view group;   // CODGRUPO
    std::string_view room;    // AULA
    std::string_view pupils;  // NALUM as text; "0" asks for the group's maximum
    std::string_view task;    // TAREA
};

// Where a field that reads back otherwise than its bytes (a number, NULs
// read as blanks) is made into text; reused from class to class.
struct SolucScratch {
    std::string subject, group, room, pupils, task;
};

// SOLUC, kept open: the texts are views of its rows' bytes, or of a text of
// their own when a field reads back otherwise.
class SolucTimetable {
  public:
    std::vector<SolucClass> classes;

    // Valid until `scratch` is used again.
    SolucTexts Texts(const SolucClass& lesson, SolucScratch& scratch) const;
    // The record of a class, to be asked for ahead of its texts.
    const char* Record(const SolucClass& lesson) const;

  private:
    friend SolucTimetable ReadSoluc(const std::filesystem::path& ktemp);

    tables::Table table_;
    std::optional<tables::TableRows> rows_;
    tables::FieldSlot asig_, codgrupo_, aula_, nalum_, tarea_;
    std::deque<std::string> teachers_; // teachers that are not their bytes; never moved
};

// The timetabled classes of SOLUC in stored order (see IsTimetabled). The
// whole table is read before anything is written, so a value that is not a
// number stops the run with nothing changed; the error names the record.
SolucTimetable ReadSoluc(const std::filesystem::path& ktemp);

// Classes without a day (0) or without a teacher produce no DAE record.
bool IsTimetabled(const SolucClass& lesson);

} // namespace tv::tablorix_to_dae
