// The names of Tablorix's tables in KTEMP and of the DAE tables kept beside
// them. Both directions, the windows and the command line name a table
// through these, so a name is spelt once.
#pragma once

#include <string_view>

namespace tv::schema {

// The DAE data as read from the exchange files.
inline constexpr std::string_view kCentreTable = "daeCENTRO";
inline constexpr std::string_view kTemplatesTable = "daePLANTILLAS";
inline constexpr std::string_view kLevelsTable = "daeNIVIMP";
// The level abbreviations kept for later runs (the fields of daeNIVIMP).
inline constexpr std::string_view kSavedLevelsTable = "daeNIVIMP2";
inline constexpr std::string_view kSpecialitiesTable = "daeESPECI";
inline constexpr std::string_view kLanguagesTable = "daeIDIOMA";
inline constexpr std::string_view kDaeSubjectsTable = "daeASIGNAT";
inline constexpr std::string_view kTaskTypesTable = "daeTIPTAR";
inline constexpr std::string_view kOtherActivitiesTable = "daeOTRACT";
inline constexpr std::string_view kDocumentTypesTable = "daeTIPDOC";
inline constexpr std::string_view kCoursesTable = "daeCURSOS";
inline constexpr std::string_view kModelsTable = "daeMODELOS";

// Tablorix's own tables.
inline constexpr std::string_view kTeacherTable = "PROFT";
inline constexpr std::string_view kGroupTable = "GRUPOST";
inline constexpr std::string_view kRoomTable = "AULAT";
inline constexpr std::string_view kSubjectTable = "ASIGNOMT";
inline constexpr std::string_view kAssignmentTable = "ASIGT";
inline constexpr std::string_view kDayHourTable = "DIASHORAST";
inline constexpr std::string_view kSolutionTable = "SOLUC";

// The Tablorix -> DAE direction's template and work tables.
inline constexpr std::string_view kTemplateTable = "PLANTILLA";
inline constexpr std::string_view kCuadroH2 = "CUADROH2";
inline constexpr std::string_view kCuadroH3 = "CUADROH3";

// The short code that PROFT, GRUPOST and AULAT key their rows by.
inline constexpr std::string_view kAbbreviationField = "ABREV";

} // namespace tv::schema
