// What the check of the timetable file reads, as plain rows: the centre, the
// teachers, the type-2 and type-3 work records in key order, the periods of
// the class-hour template and the DAE catalogues of subjects, activities and
// task types.
// Text is Windows-1252, as the tables read it back (no trailing blanks).
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace tv::tablorix_to_dae {

struct CheckCentre {
    bool present = false; // daeCENTRO has a record
    std::string code;     // CODCENTRO
    std::string year;     // ANOACAD
};

struct CheckTeacher {
    std::uint32_t record = 0;
    std::string abbreviation; // ABREV
    std::string name;         // NOMBRE
    std::string documentType; // TIPODNI
    std::string document;     // DNI
};

// One CUADROH2 record, its texts as strings (Text = std::string, as the
// tests give them) or as views of the table's rows (std::string_view, as the
// check reads them: timetable_check_records.h).
template <class Text> struct ClassFields {
    std::uint32_t record = 0;
    Text key, teacher, day, period;          // PROF_DIA_SES, ABREVPROF, DIASEM, NUMSESION
    Text documentType, document;             // TIPDOC, DOC
    Text task, start, end, room;             // TIPTAR, HORAINI, HORAFIN, AULA_OBS
    Text subject;                            // ABREVASIG
    Text subjectCode, subjectType, language; // CODASIG, TIPASIG, IDIOMA
    Text activity, level, plan;              // TIP_ACTIV, GRUPNIV, PLAN
};
using CheckClass = ClassFields<std::string>;

// One CUADROH3 record, likewise.
template <class Text> struct GroupFields {
    std::uint32_t record = 0;
    Text key, teacher, group, code; // PROF_DIA_SES, ABREVPROF, ABREVGRUP, CODGRUPO
    Text day;                       // DIASEM
    Text period, pupils, alias;     // NUMSESGRUP, NUMALUM, ALIASDAE
};
using CheckGroup = GroupFields<std::string>;

// What the records are checked against. Absent when the table is missing:
// that part of the check is skipped.
struct CheckCatalogues {
    std::optional<std::set<int>> templatePeriods;              // PLANTILLA.HORA
    std::optional<std::set<int>> templateDays;                 // day digits of DIASHORAST.DIHO
    std::optional<std::unordered_set<std::string>> subjects;   // daeASIGNAT.COD
    std::optional<std::unordered_set<std::string>> activities; // daeOTRACT.COD
    // daeTIPTAR.COD of the task types that call for an other activity (OTRACTIV "S").
    std::optional<std::unordered_set<std::string>> tasksWithActivity;
};

// Everything at once, as the tests give it.
struct TimetableCheckInput {
    CheckCentre centre;
    std::vector<CheckTeacher> teachers; // ABREV order
    std::vector<CheckClass> classes;    // PROF_DIA_SES order
    std::vector<CheckGroup> groups;     // PROF_DIA_SES order
    CheckCatalogues catalogues;
};

} // namespace tv::tablorix_to_dae
