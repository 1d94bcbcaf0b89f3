#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {
TimetableChecker::TimetableChecker(const CheckCentre& centre, std::vector<CheckTeacher> teachers,
                                   CheckCatalogues catalogues)
    : teachers_(std::move(teachers)), catalogues_(std::move(catalogues)) {
    check::CheckCentreRecord(centre, teacherFindings_);
    for (const CheckTeacher& t : teachers_)
        TeacherId(check::RecordAbbreviation(t.abbreviation));
}

int TimetableChecker::TeacherId(std::string_view abbreviation) {
    // The records come teacher by teacher.
    if (lastTeacher_ >= 0 &&
        SameName(teacherIds_.Name(static_cast<std::uint32_t>(lastTeacher_)), abbreviation))
        return lastTeacher_;
    lastTeacher_ = static_cast<int>(teacherIds_.Add(abbreviation));
    missingDocuments_.resize(teacherIds_.size());
    teaching_.resize(teacherIds_.size(), false);
    return lastTeacher_;
}

int TimetableChecker::GroupId(std::string_view group) {
    // A teacher's classes of a day often have the same group.
    if (lastGroup_ < 0 || !SameName(groupIds_.Name(static_cast<std::uint32_t>(lastGroup_)), group))
        lastGroup_ = static_cast<int>(groupIds_.Add(group));
    return lastGroup_;
}

void TimetableChecker::NoteDocument(int teacher, std::string_view type, std::string_view number) {
    const bool noType = check::Trimmed(type).empty();
    const bool noNumber = check::Trimmed(number).empty();
    if (!noType && !noNumber) return;
    MissingDocument& missing = missingDocuments_[static_cast<std::size_t>(teacher)];
    if (!missing.type && !missing.number) missingOrder_.push_back(teacher);
    missing.type |= noType;
    missing.number |= noNumber;
}

void TimetableChecker::Reserve(std::size_t classes, std::size_t groups) {
    lessons_.reserve(classes);
    groupLessons_.reserve(groups);
}

void TimetableChecker::AddClass(const ClassRecord& c) {
    const check::ClassNumbers numbers(c);
    check::CheckClassBlocking(lookup_, c, numbers, findings_);
    check::CheckClassWarnings(lookup_, c, numbers, findings_);
    const int teacher = TeacherId(c.teacher);
    NoteDocument(teacher, c.documentType, c.document);
    teaching_[static_cast<std::size_t>(teacher)] = true;

    Lesson lesson{c.record, teacher, -1, -1, -1, c.key, c.subject, Head(c.subject)};
    lesson.day = numbers.day.value_or(-1);
    if (numbers.start && numbers.end && *numbers.start <= *numbers.end) {
        lesson.start = static_cast<std::int16_t>(*numbers.start);
        lesson.end = static_cast<std::int16_t>(*numbers.end);
    }
    lessons_.push_back(lesson);
}

std::optional<std::size_t> TimetableChecker::LessonOf(std::string_view key) {
    // Mostly the key of the last lesson found or of the next one.
    while (nextLesson_ < lessons_.size() && !SameName(lessons_[nextLesson_].key, key) &&
           lessons_[nextLesson_].key < key)
        ++nextLesson_;
    if (nextLesson_ < lessons_.size() && SameName(lessons_[nextLesson_].key, key)) return nextLesson_;
    if (lessonByKey_.empty())
        for (std::size_t i = 0; i < lessons_.size(); ++i)
            lessonByKey_.try_emplace(lessons_[i].key, i);
    const auto found = lessonByKey_.find(key);
    if (found == lessonByKey_.end()) return std::nullopt;
    return found->second;
}

void TimetableChecker::AddGroup(const GroupRecord& g) {
    check::CheckGroupBlocking(g, findings_);
    check::CheckGroupWarnings(g, findings_);
    if (check::Trimmed(g.group).empty()) return;
    const auto lesson = LessonOf(g.key);
    if (!lesson) return;
    const int group = GroupId(g.group);
    const Lesson& l = lessons_[*lesson];
    if (l.start >= 0 && l.start < l.end)
        groupLessons_.push_back({group, l.day, l.start, l.end, g.record, static_cast<std::uint32_t>(*lesson),
                                 static_cast<std::uint32_t>(l.subject.size()), l.subjectHead});
}

// One finding per teacher whose lines lack a document type or number: the
// file carries the TIPDOC and DOC of each type-2 record (the type-3 lines
// carry none), which the teachers grid copies to all of the teacher's records.
void TimetableChecker::CheckDocuments() {
    std::unordered_map<std::string, const CheckTeacher*> inProft;
    for (const CheckTeacher& t : teachers_)
        inProft.try_emplace(check::RecordAbbreviation(t.abbreviation), &t);
    for (const int id : missingOrder_) {
        const std::string& abbreviation = teacherIds_.Name(static_cast<std::uint32_t>(id));
        const MissingDocument& m = missingDocuments_[static_cast<std::size_t>(id)];
        const auto found = inProft.find(abbreviation);
        const CheckTeacher* teacher = found == inProft.end() ? nullptr : found->second;
        teacherFindings_.Add(FindingKind::TeacherWithoutDocument, [&] {
            const std::string sentence =
                m.type && m.number
                    ? TV_TEXT("Comprobación", "%1: faltan el tipo de documento y el documento (DNI).")
                : m.type ? TV_TEXT("Comprobación", "%1: falta el tipo de documento.")
                         : TV_TEXT("Comprobación", "%1: falta el documento (DNI).");
            return check::TableFinding(
                FindingKind::TeacherWithoutDocument,
                FormatText(sentence,
                           {check::TeacherPlace(abbreviation, teacher ? teacher->name : std::string())}),
                std::string(schema::kTeacherTable), teacher ? teacher->record : 0, abbreviation);
        });
    }
}

void TimetableChecker::CheckTeachersWithoutClasses() {
    for (const CheckTeacher& t : teachers_) {
        const std::string abbreviation = check::RecordAbbreviation(t.abbreviation);
        if (teaching_[teacherIds_.Find(abbreviation)]) continue;
        teacherFindings_.Add(FindingKind::TeacherWithoutClasses, [&] {
            return check::TableFinding(
                FindingKind::TeacherWithoutClasses,
                FormatText(TV_TEXT("Comprobación", "%1: no tiene ninguna clase en el horario."),
                           {check::TeacherPlace(abbreviation, t.name)}),
                std::string(schema::kTeacherTable), t.record, abbreviation);
        });
    }
}

std::vector<Finding> TimetableChecker::Finish() {
    CheckDocuments();
    CheckTeachersWithoutClasses();
    check::CheckSharedDocuments(teachers_, teacherFindings_);
    CheckTeacherOverlaps();
    CheckGroupOverlaps();
    std::vector<Finding> all;
    for (check::Findings* part : {&teacherFindings_, &findings_})
        for (Finding& f : part->Take(Severity::Blocking))
            all.push_back(std::move(f));
    for (check::Findings* part : {&teacherFindings_, &findings_})
        for (Finding& f : part->Take(Severity::Warning))
            all.push_back(std::move(f));
    return all;
}

} // namespace tv::tablorix_to_dae
