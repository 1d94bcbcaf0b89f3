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

// The texts are views into the class, the teacher, the lookups and the key,
// which outlive the values.
struct ClassValues {
    std::string_view key; // as the 13 characters of a key field hold it (StoreClassKey)
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
    ByName<GroupCodes> groups;
    ByName<SubjectCodes> subjects;
    std::unordered_map<int, TemplateRow> periods;
};

// Values not found stay blank; the number of students stays as SOLUC has it.
// `key` is the class's key as StoreClassKey placed it.
ClassValues JoinClass(const SolucClass& lesson, const SolucTexts& texts, std::string_view key,
                      const Teacher& teacher, const Lookups& lookups);

} // namespace tv::tablorix_to_dae
