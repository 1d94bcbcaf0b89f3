// The warnings of one record, or of PROFT alone: what the file carries well
// formed but is likely a mistake (a class outside the class-hour template,
// codes DAE does not list, no pupils, one document for two teachers). Two
// classes at once and teachers without classes are the checker's.
#include "tablorix_to_dae/timetable_check_parts.h"

#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

#include <unordered_map>

namespace tv::tablorix_to_dae::check {
namespace {

void CheckTemplate(const CatalogueLookup& input, const ClassRecord& c, const ClassNumbers& numbers,
                   Findings& findings) {
    // The finding's sentence, %1 being the class; made only for a finding.
    std::string (*sentence)() = nullptr;
    const std::optional<int>& day = numbers.day;
    const std::optional<int>& period = numbers.period;
    if (input.templateDays ? !day || !input.templateDays->contains(*day) : !day || *day < 1 || *day > 7)
        sentence = [] {
            return TV_TEXT("Comprobación", "%1: el día no está en la tabla de días y horas del horario.");
        };
    else if (input.templatePeriods && (!period || !input.templatePeriods->contains(*period)))
        sentence = [] {
            return TV_TEXT("Comprobación", "%1: la sesión no está en la plantilla horaria del centro.");
        };
    else if (input.templatePeriods && numbers.start && Trimmed(c.end).empty())
        sentence = [] {
            return TV_TEXT(
                "Comprobación",
                "%1: la clase termina después de la última sesión de la plantilla horaria del centro.");
        };
    if (sentence)
        findings.Add(FindingKind::OutsideTemplate, [&] {
            return ClassFinding(FindingKind::OutsideTemplate, c, FormatText(sentence(), {ClassPlace(c)}));
        });
}

void CheckCodesInCatalogues(const CatalogueLookup& input, const ClassRecord& c, Findings& findings) {
    const std::string_view activity = Trimmed(c.activity);
    const std::string_view subject = Trimmed(c.subjectCode);
    if (!activity.empty()) {
        if (input.activities && !input.activities->contains(activity))
            findings.Add(FindingKind::ActivityNotInCatalogue, [&] {
                return ClassFinding(
                    FindingKind::ActivityNotInCatalogue, c,
                    FormatText(
                        TV_TEXT("Comprobación",
                                "%1: el tipo de actividad %2 no está en la lista de actividades de DAE."),
                        {ClassPlace(c), Quote(activity)}));
            });
    } else if (subject.size() >= 5 && input.subjects && !input.subjects->contains(subject)) {
        findings.Add(FindingKind::SubjectNotInCatalogue, [&] {
            return ClassFinding(
                FindingKind::SubjectNotInCatalogue, c,
                FormatText(
                    TV_TEXT("Comprobación",
                            "%1: el código de asignatura %2 no está en la lista de asignaturas de DAE."),
                    {ClassPlace(c), Quote(subject)}));
        });
    }
}

// A blank NUMALUM goes as 0000; one that is not a number is a blocking finding.
void CheckPupils(const GroupRecord& g, Findings& findings) {
    const bool blank = Trimmed(g.pupils).empty();
    if (blank || g.pupils.find_first_not_of('0') == std::string::npos)
        findings.Add(FindingKind::NoPupils, [&] {
            return GroupFinding(
                FindingKind::NoPupils, g,
                FormatText(blank
                               ? TV_TEXT("Comprobación", "%1: falta el número de alumnos (se escribiría 0).")
                               : TV_TEXT("Comprobación", "%1: el número de alumnos es 0."),
                           {GroupPlace(g)}));
        });
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
        findings.Add(FindingKind::SharedDocument, [&] {
            return TableFinding(
                FindingKind::SharedDocument,
                FormatText(TV_TEXT("Comprobación", "%1: tiene el mismo documento %2 que %3."),
                           {TeacherPlace(abbreviation, t.name), Quote(TrimControl(t.document)),
                            RecordAbbreviation(first->abbreviation)}),
                std::string(schema::kTeacherTable), t.record, abbreviation);
        });
    }
}

void CheckClassWarnings(const CatalogueLookup& catalogues, const ClassRecord& c, const ClassNumbers& numbers,
                        Findings& findings) {
    CheckTemplate(catalogues, c, numbers, findings);
    CheckCodesInCatalogues(catalogues, c, findings);
}

void CheckGroupWarnings(const GroupRecord& g, Findings& findings) {
    CheckPupils(g, findings);
}

} // namespace tv::tablorix_to_dae::check
