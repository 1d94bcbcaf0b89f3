// The blocking checks of one record: what DAE cannot take as the file would
// carry it (the header, each class's codes and times, each group's code and
// pupils, fields wider than their place). The teachers' documents are
// gathered over all their records by the checker.
#include "tablorix_to_dae/timetable_check_parts.h"

#include "tables/text.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae::check {
namespace {

void CheckCentreField(const CheckCentre& centre, FindingKind kind, const std::string& value,
                      std::size_t width, const char* what, Findings& findings) {
    std::string text;
    if (!centre.present)
        text = "Centro: no hay datos del centro (daeCENTRO); falta " + std::string(what) + ".";
    else if (TrimControl(value).empty())
        text = "Centro: falta " + std::string(what) + ".";
    else if (value.size() != width)
        text = "Centro: " + std::string(what) + " " + Quote(value) + " no tiene " + IntToStr(width) +
               " caracteres.";
    if (!text.empty())
        findings.Add(kind, [&] {
            return TableFinding(kind, text, std::string(schema::kCentreTable), centre.present ? 1u : 0u);
        });
}

void CheckTimes(const CheckClass& c, Findings& findings) {
    const auto start = Minutes(c.start);
    const auto end = Minutes(c.end);
    std::string problem;
    const auto badTime = [&](const std::string& time, const char* which) {
        if (TrimControl(time).empty()) return "falta la hora de " + std::string(which);
        return "la hora de " + std::string(which) + " " + Quote(time) + " no tiene la forma hh:mm";
    };
    if (!start && !end)
        problem = badTime(c.start, "inicio") + " y " + badTime(c.end, "fin");
    else if (!start)
        problem = badTime(c.start, "inicio");
    else if (!end)
        problem = badTime(c.end, "fin");
    else if (*start > *end)
        problem = "empieza (" + c.start + ") despu\xE9s de terminar (" + c.end + ")";
    if (!problem.empty())
        findings.Add(FindingKind::BadTimes, [&] {
            return ClassFinding(FindingKind::BadTimes, c, ClassPlace(c) + ": " + problem + ".");
        });
}

// A line without TIP_ACTIV goes as a subject line: it needs its CODASIG, and
// it must not be an activity: a task type that calls for an other activity
// (OTRACTIV "S" in daeTIPTAR) or an other activity's code put as the subject
// (the "." rows of ASIGNOMT). A task without activity, such as a duty, may go
// with its own code.
void CheckCodes(const CatalogueLookup& input, const CheckClass& c, Findings& findings) {
    if (!Trimmed(c.activity).empty()) return;
    const std::string_view code = Trimmed(c.subjectCode);
    const std::string_view task = Trimmed(c.task);
    std::string problem;
    if (input.tasksWithActivity && !input.tasksWithActivity->empty() &&
        input.tasksWithActivity->contains(task))
        problem = "la tarea " + Quote(task) + " pide una actividad y falta el tipo de actividad (ACTIV.).";
    // An activity's code has at most 4 characters, a subject's 5 or more.
    else if (!code.empty() && code.size() < 5 && input.activities && input.activities->contains(code))
        problem = "el c\xF3"
                  "digo " +
                  Quote(code) + " es de una actividad y falta el tipo de actividad (ACTIV.).";
    if (!problem.empty())
        findings.Add(FindingKind::ActivityWithoutType, [&] {
            return ClassFinding(FindingKind::ActivityWithoutType, c, ClassPlace(c) + ": " + problem);
        });
    else if (code.empty())
        findings.Add(FindingKind::SubjectWithoutCode, [&] {
            return ClassFinding(FindingKind::SubjectWithoutCode, c,
                                ClassPlace(c) +
                                    ": falta el c\xF3"
                                    "digo DAE de la asignatura (C\xF3"
                                    "d.ASIG) o, si no es lectiva, el tipo de actividad (ACTIV.).");
        });
}

struct Place {
    const char* what; // the field for the user, with its column name
    const std::string& value;
    std::size_t width; // its place in the line of fCUADROS.txt
};

// `where` names the record; called only for a finding.
void CheckWidths(std::initializer_list<Place> places, const auto& where, Findings& findings,
                 const auto& make) {
    for (const Place& p : places) {
        if (p.value.size() <= p.width) continue;
        findings.Add(FindingKind::FieldTooLong, [&] {
            return make(where() + ": " + p.what + " " + Quote(p.value) + " tiene " +
                        IntToStr(static_cast<long long>(p.value.size())) +
                        " caracteres y en la l\xEDnea de DAE caben " +
                        IntToStr(static_cast<long long>(p.width)) + ".");
        });
    }
}

void CheckClassWidths(const CheckClass& c, Findings& findings) {
    const auto make = [&](std::string text) {
        return ClassFinding(FindingKind::FieldTooLong, c, std::move(text));
    };
    const auto where = [&] { return ClassPlace(c); };
    CheckWidths({{"el tipo de documento (TIPDOC)", c.documentType, 4},
                 {"el documento (DOC)", c.document, 15},
                 {"la tarea (TIPTAR)", c.task, 4},
                 {"el aula (AULA_OBS)", c.room, 8}},
                where, findings, make);
    if (Trimmed(c.activity).empty())
        CheckWidths({{"el c\xF3"
                      "digo de asignatura (CODASIG)",
                      c.subjectCode, 8},
                     {"el tipo de asignatura (TIPASIG)", c.subjectType, 1},
                     {"el idioma (IDIOMA)", c.language, 2}},
                    where, findings, make);
    else
        CheckWidths({{"la actividad (TIP_ACTIV)", c.activity, 4},
                     {"el nivel (GRUPNIV)", c.level, 4},
                     {"el plan (PLAN)", c.plan, 4}},
                    where, findings, make);
}

bool AllDigits(std::string_view text) {
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

void CheckGroupFields(const CheckGroup& g, Findings& findings) {
    const auto where = [&] { return GroupPlace(g); };
    if (Trimmed(g.code).empty())
        findings.Add(FindingKind::GroupWithoutCode, [&] {
            return GroupFinding(FindingKind::GroupWithoutCode, g,
                                where() + ": falta el c\xF3"
                                          "digo DAE del grupo (C\xF3"
                                          "d.GRUP.).");
        });
    if (!AllDigits(g.pupils))
        findings.Add(FindingKind::PupilsNotANumber, [&] {
            return GroupFinding(FindingKind::PupilsNotANumber, g,
                                where() + ": el n\xFAmero de alumnos " + Quote(g.pupils) +
                                    " no es un n\xFAmero.");
        });
    const auto make = [&](std::string text) {
        return GroupFinding(FindingKind::FieldTooLong, g, std::move(text));
    };
    CheckWidths({{"el c\xF3"
                  "digo del grupo (CODGRUPO)",
                  g.code, 8},
                 {"el alias del grupo (ALIASDAE)", g.alias, 50},
                 {"el n\xFAmero de alumnos (NUMALUM)", g.pupils, 4}},
                where, findings, make);
}

} // namespace

void CheckCentreRecord(const CheckCentre& centre, Findings& findings) {
    CheckCentreField(centre, FindingKind::CentreCode, centre.code, 6,
                     "el c\xF3"
                     "digo del centro",
                     findings);
    CheckCentreField(centre, FindingKind::AcademicYear, centre.year, 4, "el a\xF1o acad\xE9mico", findings);
}

void CheckClassBlocking(const CatalogueLookup& catalogues, const CheckClass& c, Findings& findings) {
    CheckCodes(catalogues, c, findings);
    CheckTimes(c, findings);
    CheckClassWidths(c, findings);
}

void CheckGroupBlocking(const CheckGroup& g, Findings& findings) {
    CheckGroupFields(g, findings);
}

} // namespace tv::tablorix_to_dae::check
