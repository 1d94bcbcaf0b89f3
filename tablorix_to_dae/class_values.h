// What one SOLUC class becomes before it is written: the working values of
// the join with the teacher, the template, the group and the subject.
#pragma once

#include "tablorix_to_dae/soluc_reader.h"
#include "tablorix_to_dae/tablorix_lookups.h"

#include <string>
#include <unordered_map>

namespace tv::tablorix_to_dae {

struct Teacher {
    std::string documentType; // TIPODNI
    std::string document;     // DNI
};

struct ClassValues {
    std::string key; // may be longer than the 13 characters of a key field
    std::string documentType;
    std::string document;
    std::string start; // start time of the first period
    std::string end;   // end time of the last period
    std::string group; // Tablorix abbreviation
    std::string level; // DAE
    std::string plan;
    std::string groupCode;
    std::string alias;
    std::string pupils;
    std::string subject;     // Tablorix abbreviation
    std::string subjectCode; // DAE, 8 characters
    std::string subjectName;
    std::string task;
    std::string room;
};

struct Lookups {
    std::unordered_map<std::string, GroupCodes> groups;
    std::unordered_map<std::string, SubjectCodes> subjects;
    std::unordered_map<int, TemplateRow> periods;
};

// Values not found stay blank; the number of students stays as SOLUC has it.
ClassValues JoinClass(const SolucClass& lesson, const Teacher& teacher, const Lookups& lookups);

} // namespace tv::tablorix_to_dae
