// The timetable work tables CUADROH2 (one record per teacher, day and first
// period of a class) and CUADROH3 (one record per group of such a class), and
// the 13-character key that ties them: teacher abbreviation in 10, the day
// digit and the first period in two digits.
#pragma once

#include "tables/table.h"
#include "tablorix_schema/table_names.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tv::tablorix_to_dae {

using schema::kCuadroH2;
using schema::kCuadroH3;
inline constexpr std::size_t kKeyWidth = 13;
// Wide enough for the four digits that fCUADROS.txt carries.
inline constexpr int kNumberOfPupilsWidth = 4;

tables::TableDecl CuadroH2Declaration();
tables::TableDecl CuadroH3Declaration();

// Both tables anew and empty, each with all its index tags; nothing else in
// `ktemp` is touched.
void CreaCuadrosHorarios(const std::filesystem::path& ktemp);

// A CUADROH3 left by an earlier version holds NUMALUM in 2 characters, which
// cuts 100 pupils or more. Rewrites it with the wide field, keeping its live
// records in their order; a table already wide is left alone. True when it
// rewrote the table.
bool WidenNumberOfPupils(const std::filesystem::path& ktemp);

// The key of a class: the abbreviation padded or cut to 10, the decimal day,
// the period with a leading zero unless it has exactly two digits. A day of
// two digits or a period of three makes a longer text, which a key field cuts.
std::string ClassKey(std::string_view teacher, int day, int period);

} // namespace tv::tablorix_to_dae
