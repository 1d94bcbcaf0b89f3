// The warnings of the check: what the file carries well formed but is likely
// a mistake (a teacher or a group in two places at once, a class outside the
// class-hour template, no pupils, a teacher without classes, one document for
// two teachers, codes DAE does not list).
#include "tablorix_to_dae/timetable_check_parts.h"

#include "tables/text.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace tv::tablorix_to_dae::check {
namespace {

std::string Span(const CheckClass& c) {
    return c.start + "-" + c.end;
}

struct Timed {
    int start = 0;
    int end = 0;
    std::size_t index = 0; // into the classes or the groups
};

// Each teacher's classes of each day, in order of start.
void CheckTeacherOverlaps(const std::vector<CheckClass>& classes, std::vector<Finding>& findings) {
    std::vector<std::vector<Timed>> days;
    std::unordered_map<std::string, std::size_t> dayOf; // teacher and day -> index into days
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const auto start = Minutes(classes[i].start);
        const auto end = Minutes(classes[i].end);
        if (!start || !end || *start > *end) continue;
        const auto [it, added] = dayOf.try_emplace(classes[i].teacher + '\n' + classes[i].day, days.size());
        if (added) days.emplace_back();
        days[it->second].push_back({*start, *end, i});
    }
    for (auto& day : days) {
        std::stable_sort(day.begin(), day.end(),
                         [](const Timed& a, const Timed& b) { return a.start < b.start; });
        const Timed* latest = nullptr; // the class that ends last so far
        for (const Timed& t : day) {
            if (latest && t.start < latest->end) {
                const CheckClass& earlier = classes[latest->index];
                const CheckClass& c = classes[t.index];
                findings.push_back(ClassFinding(
                    FindingKind::TeacherOverlap, c,
                    ClassPlace(c) + ", de " + Span(c) + ": se solapa con su clase de la sesi\xF3n " +
                        IntToStr(StrToIntDef(earlier.period, 0)) + " (" + Span(earlier) + ")."));
            }
            if (!latest || t.end > latest->end) latest = &t;
        }
    }
}

// Two classes of one group at once, unless the same class split between
// teachers: the same subject from the same start to the same end.
void CheckGroupOverlaps(const std::vector<CheckClass>& classes, const std::vector<CheckGroup>& groups,
                        std::vector<Finding>& findings) {
    std::unordered_map<std::string, std::size_t> classOfKey;
    for (std::size_t i = 0; i < classes.size(); ++i)
        classOfKey.try_emplace(classes[i].key, i);
    struct Entry {
        const CheckGroup* group;
        const CheckClass* lesson;
        int start, end;
    };
    std::vector<Entry> entries;
    for (const CheckGroup& g : groups) {
        const auto found = classOfKey.find(g.key);
        if (TrimControl(g.group).empty() || found == classOfKey.end()) continue;
        const CheckClass& c = classes[found->second];
        const auto start = Minutes(c.start);
        const auto end = Minutes(c.end);
        if (start && end && *start < *end) entries.push_back({&g, &c, *start, *end});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.group->group != b.group->group) return a.group->group < b.group->group;
        if (a.lesson->day != b.lesson->day) return a.lesson->day < b.lesson->day;
        return a.start < b.start;
    });
    std::vector<const Entry*> open; // the group's classes of the day not ended yet
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        if (i == 0 || e.group->group != entries[i - 1].group->group ||
            e.lesson->day != entries[i - 1].lesson->day)
            open.clear();
        std::erase_if(open, [&](const Entry* o) { return o->end <= e.start; });
        for (const Entry* o : open) {
            const bool split =
                o->lesson->subject == e.lesson->subject && o->start == e.start && o->end == e.end;
            if (split || o->lesson == e.lesson) continue;
            findings.push_back(GroupFinding(FindingKind::GroupOverlap, *e.group,
                                            GroupPlace(*e.group) + " (" + e.lesson->subject + ", " +
                                                Span(*e.lesson) + "): el grupo tiene a la vez " +
                                                o->lesson->subject + " con " + o->lesson->teacher + " (" +
                                                Span(*o->lesson) + ")."));
            break;
        }
        open.push_back(&e);
    }
}

void CheckTemplate(const TimetableCheckInput& input, const CheckClass& c, std::vector<Finding>& findings) {
    std::string problem;
    int period = 0;
    int day = 0;
    const bool dayKnown = TryStrToInt(TrimBoth(c.day), day);
    if (input.templateDays ? !dayKnown || !input.templateDays->contains(day)
                           : !dayKnown || day < 1 || day > 7)
        problem = "el d\xED"
                  "a no est\xE1 en la tabla de d\xED"
                  "as y horas del horario";
    else if (input.templatePeriods &&
             (!TryStrToInt(TrimBoth(c.period), period) || !input.templatePeriods->contains(period)))
        problem = "la sesi\xF3n no est\xE1 en la plantilla horaria del centro";
    else if (input.templatePeriods && Minutes(c.start) && TrimControl(c.end).empty())
        problem = "la clase termina despu\xE9s de la \xFAltima sesi\xF3n de la plantilla horaria del centro";
    if (!problem.empty())
        findings.push_back(
            ClassFinding(FindingKind::OutsideTemplate, c, ClassPlace(c) + ": " + problem + "."));
}

void CheckCatalogues(const TimetableCheckInput& input, const CheckClass& c, std::vector<Finding>& findings) {
    const std::string activity = TrimControl(c.activity);
    const std::string subject = TrimControl(c.subjectCode);
    if (!activity.empty()) {
        if (input.activities && !input.activities->contains(activity))
            findings.push_back(ClassFinding(FindingKind::ActivityNotInCatalogue, c,
                                            ClassPlace(c) + ": el tipo de actividad " + Quote(activity) +
                                                " no est\xE1 en la lista de actividades de DAE."));
    } else if (subject.size() >= 5 && input.subjects && !input.subjects->contains(subject)) {
        findings.push_back(ClassFinding(FindingKind::SubjectNotInCatalogue, c,
                                        ClassPlace(c) +
                                            ": el c\xF3"
                                            "digo de asignatura " +
                                            Quote(subject) +
                                            " no est\xE1 en la lista de asignaturas de DAE."));
    }
}

// A blank NUMALUM goes as 0000; one that is not a number is a blocking finding.
void CheckPupils(const CheckGroup& g, std::vector<Finding>& findings) {
    std::string problem;
    if (TrimControl(g.pupils).empty())
        problem = ": falta el n\xFAmero de alumnos (se escribir\xED"
                  "a 0).";
    else if (g.pupils.find_first_not_of('0') == std::string::npos)
        problem = ": el n\xFAmero de alumnos es 0.";
    if (!problem.empty()) findings.push_back(GroupFinding(FindingKind::NoPupils, g, GroupPlace(g) + problem));
}

void CheckTeachers(const TimetableCheckInput& input, std::vector<Finding>& findings) {
    std::unordered_set<std::string> teaching;
    for (const CheckClass& c : input.classes)
        teaching.insert(c.teacher);
    std::unordered_map<std::string, const CheckTeacher*> byDocument;
    for (const CheckTeacher& t : input.teachers) {
        const std::string abbreviation = RecordAbbreviation(t.abbreviation);
        std::string who = "Profesor " + abbreviation;
        if (!TrimControl(t.name).empty()) who += " (" + t.name + ")";
        if (!teaching.contains(abbreviation)) {
            findings.push_back(TableFinding(FindingKind::TeacherWithoutClasses,
                                            who + ": no tiene ninguna clase en el horario.", "PROFT",
                                            t.record, abbreviation));
        }
        const std::string document = AnsiUpperCase(TrimControl(t.document));
        if (document.empty()) continue;
        const auto [first, added] = byDocument.try_emplace(document, &t);
        if (added) continue;
        findings.push_back(TableFinding(FindingKind::SharedDocument,
                                        who + ": tiene el mismo documento " + Quote(TrimControl(t.document)) +
                                            " que " + RecordAbbreviation(first->second->abbreviation) + ".",
                                        "PROFT", t.record, abbreviation));
    }
}

} // namespace

void AddWarnings(const TimetableCheckInput& input, std::vector<Finding>& findings) {
    CheckTeachers(input, findings);
    CheckTeacherOverlaps(input.classes, findings);
    for (const CheckClass& c : input.classes) {
        CheckTemplate(input, c, findings);
        CheckCatalogues(input, c, findings);
    }
    CheckGroupOverlaps(input.classes, input.groups, findings);
    for (const CheckGroup& g : input.groups)
        CheckPupils(g, findings);
}

} // namespace tv::tablorix_to_dae::check
