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

// One CUADROH2 record.
struct CheckClass {
    std::uint32_t record = 0;
    std::string key, teacher, day, period;          // PROF_DIA_SES, ABREVPROF, DIASEM, NUMSESION
    std::string documentType, document;             // TIPDOC, DOC
    std::string task, start, end, room;             // TIPTAR, HORAINI, HORAFIN, AULA_OBS
    std::string subject;                            // ABREVASIG
    std::string subjectCode, subjectType, language; // CODASIG, TIPASIG, IDIOMA
    std::string activity, level, plan;              // TIP_ACTIV, GRUPNIV, PLAN
};

// One CUADROH3 record.
struct CheckGroup {
    std::uint32_t record = 0;
    std::string key, teacher, group, code; // PROF_DIA_SES, ABREVPROF, ABREVGRUP, CODGRUPO
    std::string day;                       // DIASEM
    std::string period, pupils, alias;     // NUMSESGRUP, NUMALUM, ALIASDAE
};

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
