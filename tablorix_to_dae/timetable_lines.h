// The lines of fCUADROS.txt, without their line end: the centre's header, a
// type-2 line per class of a teacher and a type-3 line per group of a class.
// "Padded to n" fields are cut or blank-filled to n characters; the others go
// as stored (without the trailing blanks a field reads back without).
#pragma once

#include "tables/table.h"

#include <string>
#include <string_view>

namespace tv::tablorix_to_dae {

// "1CH", the centre code in 6 and the academic year in 4.
std::string HeaderLine(std::string_view centreCode, std::string_view academicYear);
// From the current CUADROH2 record: a subject line, or an activity line when
// TIP_ACTIV holds anything but blanks and control characters.
std::string ClassLine(const tables::Table& cuadroh2);
// From the current CUADROH3 record; NUMALUM right-aligned in 4 digits.
std::string GroupLine(const tables::Table& cuadroh3);

} // namespace tv::tablorix_to_dae
