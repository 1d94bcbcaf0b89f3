// The blocking checks of one record: what DAE cannot take as the file would
// carry it (the header, each class's codes and times, each group's code and
// pupils, fields wider than their place). The teachers' documents are
// gathered over all their records by the checker.
#include "tablorix_to_dae/timetable_check_parts.h"

#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae::check {
namespace {

// The sentences about one field of the centre: %1 is its value, %2 its width.
struct CentreSentences {
    std::string noCentre, missing, wrongWidth;
};

void CheckCentreField(const CheckCentre& centre, FindingKind kind, const std::string& value,
                      std::size_t width, const CentreSentences& sentences, Findings& findings) {
    std::string text;
    if (!centre.present)
        text = sentences.noCentre;
    else if (TrimControl(value).empty())
        text = sentences.missing;
    else if (value.size() != width)
        text = FormatText(sentences.wrongWidth, {Quote(value), IntToStr(width)});
    if (!text.empty())
        findings.Add(kind, [&] {
            return TableFinding(kind, text, std::string(schema::kCentreTable), centre.present ? 1u : 0u);
        });
}

void CheckTimes(const ClassRecord& c, const ClassNumbers& numbers, Findings& findings) {
    const std::optional<int>& start = numbers.start;
    const std::optional<int>& end = numbers.end;
    if (start && end && *start <= *end) return;
    findings.Add(FindingKind::BadTimes, [&] {
        // %1 is the class, %2 the start, %3 the end.
        const bool noStart = TrimControl(c.start).empty();
        const bool noEnd = TrimControl(c.end).empty();
        std::string sentence;
        if (!start && !end)
            sentence =
                noStart
                    ? (noEnd
                           ? TV_TEXT("Comprobación", "%1: falta la hora de inicio y falta la hora de fin.")
                           : TV_TEXT(
                                 "Comprobación",
                                 "%1: falta la hora de inicio y la hora de fin %3 no tiene la forma hh:mm."))
                    : (noEnd
                           ? TV_TEXT(
                                 "Comprobación",
                                 "%1: la hora de inicio %2 no tiene la forma hh:mm y falta la hora de fin.")
                           : TV_TEXT(
                                 "Comprobación",
                                 "%1: la hora de inicio %2 no tiene la forma hh:mm y la hora de fin %3 no tiene la forma hh:mm."));
        else if (!start)
            sentence = noStart ? TV_TEXT("Comprobación", "%1: falta la hora de inicio.")
                               : TV_TEXT("Comprobación", "%1: la hora de inicio %2 no tiene la forma hh:mm.");
        else if (!end)
            sentence = noEnd ? TV_TEXT("Comprobación", "%1: falta la hora de fin.")
                             : TV_TEXT("Comprobación", "%1: la hora de fin %3 no tiene la forma hh:mm.");
        else
            return ClassFinding(
                FindingKind::BadTimes, c,
                FormatText(TV_TEXT("Comprobación", "%1: empieza (%2) después de terminar (%3)."),
                           {ClassPlace(c), c.start, c.end}));
        return ClassFinding(FindingKind::BadTimes, c,
                            FormatText(sentence, {ClassPlace(c), Quote(c.start), Quote(c.end)}));
    });
}

// A line without TIP_ACTIV goes as a subject line: it needs its CODASIG, and
// it must not be an activity: a task type that calls for an other activity
// (OTRACTIV "S" in daeTIPTAR) or an other activity's code put as the subject
// (the "." rows of ASIGNOMT). A task without activity, such as a duty, may go
// with its own code.
void CheckCodes(const CatalogueLookup& input, const ClassRecord& c, Findings& findings) {
    if (!Trimmed(c.activity).empty()) return;
    const std::string_view code = Trimmed(c.subjectCode);
    const std::string_view task = Trimmed(c.task);
    if (input.tasksWithActivity && !input.tasksWithActivity->empty() &&
        input.tasksWithActivity->contains(task))
        findings.Add(FindingKind::ActivityWithoutType, [&] {
            return ClassFinding(
                FindingKind::ActivityWithoutType, c,
                FormatText(
                    TV_TEXT("Comprobación",
                            "%1: la tarea %2 pide una actividad y falta el tipo de actividad (ACTIV.)."),
                    {ClassPlace(c), Quote(task)}));
        });
    // An activity's code has at most 4 characters, a subject's 5 or more.
    else if (!code.empty() && code.size() < 5 && input.activities && input.activities->contains(code))
        findings.Add(FindingKind::ActivityWithoutType, [&] {
            return ClassFinding(
                FindingKind::ActivityWithoutType, c,
                FormatText(
                    TV_TEXT("Comprobación",
                            "%1: el código %2 es de una actividad y falta el tipo de actividad (ACTIV.)."),
                    {ClassPlace(c), Quote(code)}));
        });
    else if (code.empty())
        findings.Add(FindingKind::SubjectWithoutCode, [&] {
            return ClassFinding(
                FindingKind::SubjectWithoutCode, c,
                FormatText(
                    TV_TEXT(
                        "Comprobación",
                        "%1: falta el código DAE de la asignatura (Cód.ASIG) o, si no es lectiva, el tipo de actividad (ACTIV.)."),
                    {ClassPlace(c)}));
        });
}

struct Place {
    // The finding's sentence: %1 the record, %2 the value, %3 its length, %4
    // the width. A function, so that a record that fits makes no text.
    std::string (*sentence)();
    std::string_view value;
    std::size_t width; // its place in the line of fCUADROS.txt
};

// `where` names the record; called only for a finding.
void CheckWidths(std::initializer_list<Place> places, const auto& where, Findings& findings,
                 const auto& make) {
    for (const Place& p : places) {
        if (p.value.size() <= p.width) continue;
        findings.Add(FindingKind::FieldTooLong, [&] {
            return make(FormatText(p.sentence(),
                                   {where(), Quote(p.value), IntToStr(static_cast<long long>(p.value.size())),
                                    IntToStr(static_cast<long long>(p.width))}));
        });
    }
}

void CheckClassWidths(const ClassRecord& c, Findings& findings) {
    const auto make = [&](std::string text) {
        return ClassFinding(FindingKind::FieldTooLong, c, std::move(text));
    };
    const auto where = [&] { return ClassPlace(c); };
    CheckWidths(
        {{[] {
              return TV_TEXT(
                  "Comprobación",
                  "%1: el tipo de documento (TIPDOC) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          c.documentType, 4},
         {[] {
              return TV_TEXT("Comprobación",
                             "%1: el documento (DOC) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          c.document, 15},
         {[] {
              return TV_TEXT("Comprobación",
                             "%1: la tarea (TIPTAR) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          c.task, 4},
         {[] {
              return TV_TEXT("Comprobación",
                             "%1: el aula (AULA_OBS) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          c.room, 8}},
        where, findings, make);
    if (Trimmed(c.activity).empty())
        CheckWidths(
            {{[] {
                  return TV_TEXT(
                      "Comprobación",
                      "%1: el código de asignatura (CODASIG) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.subjectCode, 8},
             {[] {
                  return TV_TEXT(
                      "Comprobación",
                      "%1: el tipo de asignatura (TIPASIG) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.subjectType, 1},
             {[] {
                  return TV_TEXT(
                      "Comprobación",
                      "%1: el idioma (IDIOMA) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.language, 2}},
            where, findings, make);
    else
        CheckWidths(
            {{[] {
                  return TV_TEXT(
                      "Comprobación",
                      "%1: la actividad (TIP_ACTIV) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.activity, 4},
             {[] {
                  return TV_TEXT(
                      "Comprobación",
                      "%1: el nivel (GRUPNIV) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.level, 4},
             {[] {
                  return TV_TEXT("Comprobación",
                                 "%1: el plan (PLAN) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
              },
              c.plan, 4}},
            where, findings, make);
}

bool AllDigits(std::string_view text) {
    for (char ch : text)
        if (ch < '0' || ch > '9') return false;
    return true;
}

void CheckGroupFields(const GroupRecord& g, Findings& findings) {
    const auto where = [&] { return GroupPlace(g); };
    if (Trimmed(g.code).empty())
        findings.Add(FindingKind::GroupWithoutCode, [&] {
            return GroupFinding(
                FindingKind::GroupWithoutCode, g,
                FormatText(TV_TEXT("Comprobación", "%1: falta el código DAE del grupo (Cód.GRUP.)."),
                           {where()}));
        });
    if (!AllDigits(g.pupils))
        findings.Add(FindingKind::PupilsNotANumber, [&] {
            return GroupFinding(
                FindingKind::PupilsNotANumber, g,
                FormatText(TV_TEXT("Comprobación", "%1: el número de alumnos %2 no es un número."),
                           {where(), Quote(g.pupils)}));
        });
    const auto make = [&](std::string text) {
        return GroupFinding(FindingKind::FieldTooLong, g, std::move(text));
    };
    CheckWidths(
        {{[] {
              return TV_TEXT(
                  "Comprobación",
                  "%1: el código del grupo (CODGRUPO) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          g.code, 8},
         {[] {
              return TV_TEXT(
                  "Comprobación",
                  "%1: el alias del grupo (ALIASDAE) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          g.alias, 50},
         {[] {
              return TV_TEXT(
                  "Comprobación",
                  "%1: el número de alumnos (NUMALUM) %2 tiene %3 caracteres y en la línea de DAE caben %4.");
          },
          g.pupils, 4}},
        where, findings, make);
}

} // namespace

void CheckCentreRecord(const CheckCentre& centre, Findings& findings) {
    CheckCentreField(
        centre, FindingKind::CentreCode, centre.code, 6,
        {TV_TEXT("Comprobación", "Centro: no hay datos del centro (daeCENTRO); falta el código del centro."),
         TV_TEXT("Comprobación", "Centro: falta el código del centro."),
         TV_TEXT("Comprobación", "Centro: el código del centro %1 no tiene %2 caracteres.")},
        findings);
    CheckCentreField(
        centre, FindingKind::AcademicYear, centre.year, 4,
        {TV_TEXT("Comprobación", "Centro: no hay datos del centro (daeCENTRO); falta el año académico."),
         TV_TEXT("Comprobación", "Centro: falta el año académico."),
         TV_TEXT("Comprobación", "Centro: el año académico %1 no tiene %2 caracteres.")},
        findings);
}

void CheckClassBlocking(const CatalogueLookup& catalogues, const ClassRecord& c, const ClassNumbers& numbers,
                        Findings& findings) {
    CheckCodes(catalogues, c, findings);
    CheckTimes(c, numbers, findings);
    CheckClassWidths(c, findings);
}

void CheckGroupBlocking(const GroupRecord& g, Findings& findings) {
    CheckGroupFields(g, findings);
}

} // namespace tv::tablorix_to_dae::check
