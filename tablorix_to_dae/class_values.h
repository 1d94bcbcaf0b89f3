// What one SOLUC class becomes before it is written: the working values of
// the join with the teacher, the template, the group and the subject.
#pragma once

#include "tablorix_to_dae/soluc_reader.h"
#include "tablorix_to_dae/tablorix_lookups.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace tv::tablorix_to_dae {

struct Teacher {
    std::string documentType; // TIPODNI
    std::string document;     // DNI
};

// The texts are views into the class, the teacher and the lookups, which
// outlive the values; only the key is built.
struct ClassValues {
    std::string key; // may be longer than the 13 characters of a key field
    std::string_view documentType;
    std::string_view document;
    std::string_view start; // start time of the first period
    std::string_view end;   // end time of the last period
    std::string_view group; // Tablorix abbreviation
    std::string_view level; // DAE
    std::string_view plan;
    std::string_view groupCode;
    std::string_view alias;
    std::string_view pupils;
    std::string_view subject;     // Tablorix abbreviation
    std::string_view subjectCode; // DAE, as the 8 characters of its field hold it once cut or padded
    std::string_view subjectName;
    std::string_view task;
    std::string_view room;
};

struct Lookups {
    std::unordered_map<std::string, GroupCodes> groups;
    std::unordered_map<std::string, SubjectCodes> subjects;
    std::unordered_map<int, TemplateRow> periods;
};

// Values not found stay blank; the number of students stays as SOLUC has it.
ClassValues JoinClass(const SolucClass& lesson, const Teacher& teacher, const Lookups& lookups);

} // namespace tv::tablorix_to_dae
