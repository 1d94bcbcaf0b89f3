// The warnings of one record, or of PROFT alone: what the file carries well
// formed but is likely a mistake (a class outside the class-hour template,
// codes DAE does not list, no pupils, one document for two teachers). Two
// classes at once and teachers without classes are the checker's.
#include "tablorix_to_dae/timetable_check_parts.h"

#include "tables/text.h"
#include "tablorix_schema/table_names.h"

#include <unordered_map>

namespace tv::tablorix_to_dae::check {
namespace {

void CheckTemplate(const CheckCatalogues& input, const CheckClass& c, Findings& findings) {
    std::string problem;
    const auto day = Number(c.day);
    const auto period = Number(c.period);
    if (input.templateDays ? !day || !input.templateDays->contains(*day) : !day || *day < 1 || *day > 7)
        problem = "el d\xED"
                  "a no est\xE1 en la tabla de d\xED"
                  "as y horas del horario";
    else if (input.templatePeriods && (!period || !input.templatePeriods->contains(*period)))
        problem = "la sesi\xF3n no est\xE1 en la plantilla horaria del centro";
    else if (input.templatePeriods && Minutes(c.start) && Trimmed(c.end).empty())
        problem = "la clase termina despu\xE9s de la \xFAltima sesi\xF3n de la plantilla horaria del centro";
    if (!problem.empty())
        findings.Add(FindingKind::OutsideTemplate, [&] {
            return ClassFinding(FindingKind::OutsideTemplate, c, ClassPlace(c) + ": " + problem + ".");
        });
}

void CheckCodesInCatalogues(const CatalogueLookup& input, const CheckClass& c, Findings& findings) {
    const std::string_view activity = Trimmed(c.activity);
    const std::string_view subject = Trimmed(c.subjectCode);
    if (!activity.empty()) {
        if (input.activities && !input.activities->contains(activity))
            findings.Add(FindingKind::ActivityNotInCatalogue, [&] {
                return ClassFinding(FindingKind::ActivityNotInCatalogue, c,
                                    ClassPlace(c) + ": el tipo de actividad " + Quote(activity) +
                                        " no est\xE1 en la lista de actividades de DAE.");
            });
    } else if (subject.size() >= 5 && input.subjects && !input.subjects->contains(subject)) {
        findings.Add(FindingKind::SubjectNotInCatalogue, [&] {
            return ClassFinding(FindingKind::SubjectNotInCatalogue, c,
                                ClassPlace(c) +
                                    ": el c\xF3"
                                    "digo de asignatura " +
                                    Quote(subject) + " no est\xE1 en la lista de asignaturas de DAE.");
        });
    }
}

// A blank NUMALUM goes as 0000; one that is not a number is a blocking finding.
void CheckPupils(const CheckGroup& g, Findings& findings) {
    std::string problem;
    if (Trimmed(g.pupils).empty())
        problem = ": falta el n\xFAmero de alumnos (se escribir\xED"
                  "a 0).";
    else if (g.pupils.find_first_not_of('0') == std::string::npos)
        problem = ": el n\xFAmero de alumnos es 0.";
    if (!problem.empty())
        findings.Add(FindingKind::NoPupils,
                     [&] { return GroupFinding(FindingKind::NoPupils, g, GroupPlace(g) + problem); });
}

} // namespace

void CheckSharedDocuments(const std::vector<CheckTeacher>& teachers, Findings& findings) {
    std::unordered_map<std::string, const CheckTeacher*> byDocument;
    for (const CheckTeacher& t : teachers) {
        const std::string document = AnsiUpperCase(TrimControl(t.document));
        if (document.empty()) continue;
        const auto [entry, added] = byDocument.try_emplace(document, &t);
        if (added) continue;
        const CheckTeacher* first = entry->second;
        const std::string abbreviation = RecordAbbreviation(t.abbreviation);
        std::string who = "Profesor " + abbreviation;
        if (!TrimControl(t.name).empty()) who += " (" + t.name + ")";
        findings.Add(FindingKind::SharedDocument, [&] {
            return TableFinding(FindingKind::SharedDocument,
                                who + ": tiene el mismo documento " + Quote(TrimControl(t.document)) +
                                    " que " + RecordAbbreviation(first->abbreviation) + ".",
                                std::string(schema::kTeacherTable), t.record, abbreviation);
        });
    }
}

void CheckClassWarnings(const CatalogueLookup& catalogues, const CheckClass& c, Findings& findings) {
    CheckTemplate(*catalogues.catalogues, c, findings);
    CheckCodesInCatalogues(catalogues, c, findings);
}

void CheckGroupWarnings(const CheckGroup& g, Findings& findings) {
    CheckPupils(g, findings);
}

} // namespace tv::tablorix_to_dae::check
