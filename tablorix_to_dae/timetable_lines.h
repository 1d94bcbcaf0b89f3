// The lines of fCUADROS.txt, without their line end: the centre's header, a
// type-2 line per class of a teacher and a type-3 line per group of a class.
// "Padded to n" fields are cut or blank-filled to n characters; the others go
// as stored (without the trailing blanks a field reads back without).
#pragma once

#include "tables/table.h"
#include "tables/table_rows.h"

#include <string>
#include <string_view>

namespace tv::tablorix_to_dae {

// "1CH", the centre code in 6 and the academic year in 4.
std::string HeaderLine(std::string_view centreCode, std::string_view academicYear);

// The CUADROH2 fields a type-2 line is made of, found once.
struct ClassLineFields {
    explicit ClassLineFields(const tables::TableRows& cuadroh2);
    tables::FieldSlot tipdoc, doc, numsesion, diasem, tiptar, horaini, horafin, aulaObs, tipActiv, codasig,
        tipasig, idioma, grupniv, plan;
    // No type-2 line of these fields is longer.
    std::size_t longestLine = 0;
};

// The CUADROH3 fields a type-3 line is made of, found once.
struct GroupLineFields {
    explicit GroupLineFields(const tables::TableRows& cuadroh3);
    tables::FieldSlot codgrupo, numsesgrup, numalum, aliasdae;
    // No type-3 line of these fields is longer.
    std::size_t longestLine = 0;
};

// From a CUADROH2 record: a subject line, or an activity line when TIP_ACTIV
// holds anything but blanks and control characters. Written at `at`, which
// has room for fields.longestLine characters; returns the end of the line.
char* PutClassLine(char* at, const ClassLineFields& fields, const char* record);
// From a CUADROH3 record; NUMALUM right-aligned in 4 digits. As PutClassLine.
char* PutGroupLine(char* at, const GroupLineFields& fields, const char* record);

// The same lines from a cursor's current record.
std::string ClassLine(const tables::Table& cuadroh2);
std::string GroupLine(const tables::Table& cuadroh3);

} // namespace tv::tablorix_to_dae
