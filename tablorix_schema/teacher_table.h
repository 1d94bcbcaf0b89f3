// PROFT: one row per teacher, keyed by its abbreviation (ABREV, in
// table_names.h). DAE -> Tablorix writes it; the codification, the timetable
// check and the command line's documents file read and complete the document.
#pragma once

#include "tables/table.h"

#include <string_view>

namespace tv::schema {

inline constexpr std::string_view kTeacherNameField = "NOMBRE";
inline constexpr std::string_view kDepartmentField = "DEPART";
inline constexpr std::string_view kDocumentField = "DNI";
inline constexpr std::string_view kDocumentTypeField = "TIPODNI";
inline constexpr std::string_view kEmailField = "EMAIL";

// The fields with their widths, and the one index tag on the abbreviation.
tables::TableDecl TeacherTableDecl();

} // namespace tv::schema
