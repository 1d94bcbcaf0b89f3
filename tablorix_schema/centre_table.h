// daeCENTRO: one row with the centre's code, academic year and version. The
// DAE -> Tablorix direction fills it from profesorado.txt; the Tablorix -> DAE
// direction creates it empty when Tablorix asks for the centre's data.
#pragma once

#include "tables/table.h"

#include <filesystem>
#include <string_view>

namespace tv::schema {

inline constexpr std::string_view kCentreCodeField = "CODCENTRO";
inline constexpr std::string_view kAcademicYearField = "ANOACAD";
inline constexpr std::string_view kVersionField = "VERSION";

tables::TableDecl CentreTableDecl();

// Creates daeCENTRO anew and empty in `ktemp`.
void CreaTablaCentro(const std::filesystem::path& ktemp);

} // namespace tv::schema
