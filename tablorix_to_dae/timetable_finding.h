// What the check of the timetable file finds before fCUADROS.txt is written:
// each finding's severity, its kind, a sentence naming the teacher, group, day
// and period as the user sees them, and the record it concerns, so that the
// codification window can go to it and a report can be saved.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

enum class Severity {
    Blocking, // DAE cannot take the line as written
    Warning,  // a likely mistake; the file is still well formed
};

enum class FindingKind {
    // blocking
    CentreCode,
    AcademicYear,
    TeacherWithoutDocument,
    SubjectWithoutCode,
    ActivityWithoutType,
    GroupWithoutCode,
    PupilsNotANumber,
    BadTimes,
    FieldTooLong,
    // warnings
    TeacherOverlap,
    GroupOverlap,
    OutsideTemplate,
    NoPupils,
    TeacherWithoutClasses,
    SharedDocument,
    SubjectNotInCatalogue,
    ActivityNotInCatalogue,
};

struct Finding {
    Severity severity = Severity::Warning;
    FindingKind kind = FindingKind::NoPupils;
    std::string text;         // Windows-1252, one sentence
    std::string table;        // PROFT, CUADROH2, CUADROH3 or daeCENTRO
    std::uint32_t record = 0; // 1-based record number in `table`; 0 when none
    std::string teacher;      // teacher abbreviation, when the finding concerns one
    std::string classKey;     // PROF_DIA_SES of the class, when it concerns one
    std::string group;        // ABREVGRUP, when it concerns a group of a class
    // Non-zero on the line that closes a kind listed in part: how many more
    // findings of the kind there are, not listed one by one.
    std::size_t more = 0;
};

// A report lists this many findings of each kind; beyond them one line says
// how many more there are. A user reads no further, and a timetable that
// went wrong throughout (tens of thousands of clashes) is checked at the cost
// of reading it.
inline constexpr std::size_t kListedPerKind = 500;

Severity SeverityOf(FindingKind kind);
// What the findings of a kind are, for the line that closes a kind listed in
// part ("grupos en dos clases a la vez"), Windows-1252.
std::string KindTitle(FindingKind kind);
// The line that stands for `more` findings of `kind` not listed.
Finding MoreOfKind(FindingKind kind, std::size_t more);
// A short, stable name for the kind ("asignatura-sin-codigo"), for reports.
std::string_view KindName(FindingKind kind);
// "ERROR" for blocking findings, "AVISO" for warnings.
std::string SeverityWord(Severity severity);

bool HasBlocking(const std::vector<Finding>& findings);
// How many findings of `severity`, those not listed included.
std::size_t CountOf(const std::vector<Finding>& findings, Severity severity);

// "ERROR: <text>", the report's line for one finding (Windows-1252).
std::string ReportLine(const Finding& finding);
// The closing line of a report: how many errors and warnings, or none.
std::string ReportSummary(const std::vector<Finding>& findings);

// The report as CSV in UTF-8 with a byte-order mark, fields separated by
// semicolons and quoted, CR LF line ends: what a spreadsheet opens as it is.
std::string ReportCsv(const std::vector<Finding>& findings);
// Writes ReportCsv to `file` through a temporary file that replaces it only
// when complete. Throws TableError naming the file when it cannot be written.
void WriteReportCsv(const std::filesystem::path& file, const std::vector<Finding>& findings);

} // namespace tv::tablorix_to_dae
