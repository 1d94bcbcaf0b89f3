#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

#include <algorithm>
#include <tuple>

namespace tv::tablorix_to_dae {
namespace {

std::string Clock(int minutes) {
    const auto two = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

} // namespace

TimetableChecker::TimetableChecker(const CheckCentre& centre, std::vector<CheckTeacher> teachers,
                                   CheckCatalogues catalogues)
    : teachers_(std::move(teachers)), catalogues_(std::move(catalogues)) {
    check::CheckCentreRecord(centre, teacherFindings_);
    for (const CheckTeacher& t : teachers_)
        TeacherId(check::RecordAbbreviation(t.abbreviation));
}

int TimetableChecker::TeacherId(std::string_view abbreviation) {
    // The records come teacher by teacher.
    if (lastTeacher_ >= 0 && teacherIds_.Name(static_cast<std::uint32_t>(lastTeacher_)) == abbreviation)
        return lastTeacher_;
    lastTeacher_ = static_cast<int>(teacherIds_.Add(abbreviation));
    missingDocuments_.resize(teacherIds_.size());
    teaching_.resize(teacherIds_.size(), false);
    return lastTeacher_;
}

int TimetableChecker::GroupId(std::string_view group) {
    // A teacher's classes of a day often have the same group.
    if (lastGroup_ < 0 || groupIds_.Name(static_cast<std::uint32_t>(lastGroup_)) != group)
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

    Lesson lesson{c.record, teacher, -1, -1, -1, c.key, c.subject};
    lesson.day = numbers.day.value_or(-1);
    if (numbers.start && numbers.end && *numbers.start <= *numbers.end) {
        lesson.start = *numbers.start;
        lesson.end = *numbers.end;
    }
    lessons_.push_back(lesson);
}

std::optional<std::size_t> TimetableChecker::LessonOf(std::string_view key) {
    while (nextLesson_ < lessons_.size() && lessons_[nextLesson_].key < key)
        ++nextLesson_;
    if (nextLesson_ < lessons_.size() && lessons_[nextLesson_].key == key) return nextLesson_;
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
    if (const auto lesson = LessonOf(g.key)) groupLessons_.push_back({g.record, GroupId(g.group), *lesson});
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

namespace {

// One class of a teacher or a group, as the sweep over a day needs it.
struct Slot {
    int owner = 0; // teacher or group id
    int day = 0;
    int start = 0;
    int end = 0;
    std::size_t index = 0;  // into the lessons or the group lessons
    std::size_t lesson = 0; // the lesson of a group's class

    bool operator<(const Slot& other) const {
        return std::tie(owner, day, start, index) <
               std::tie(other.owner, other.day, other.start, other.index);
    }
};

// The slots in their order, sorted by one integer each when the owner, the
// day, the start and the place fit in it (the place keeps the order of equal
// ones, as the slots came in order of index); by the fields otherwise.
void SortSlots(std::vector<Slot>& slots) {
    constexpr int kPlaceBits = 24, kStartBits = 12, kDayBits = 8, kOwnerBits = 20;
    bool packable = slots.size() < (std::size_t{1} << kPlaceBits);
    for (const Slot& s : slots)
        packable = packable && s.owner >= 0 && s.owner < (1 << kOwnerBits) && s.day >= -1 &&
                   s.day < (1 << kDayBits) - 1 && s.start >= 0 && s.start < (1 << kStartBits);
    if (!packable) {
        std::sort(slots.begin(), slots.end());
        return;
    }
    std::vector<std::uint64_t> keys;
    keys.reserve(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const Slot& s = slots[i];
        keys.push_back(static_cast<std::uint64_t>(s.owner) << (kDayBits + kStartBits + kPlaceBits) |
                       static_cast<std::uint64_t>(s.day + 1) << (kStartBits + kPlaceBits) |
                       static_cast<std::uint64_t>(s.start) << kPlaceBits | i);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<Slot> sorted;
    sorted.reserve(slots.size());
    for (const std::uint64_t key : keys)
        sorted.push_back(slots[key & ((std::uint64_t{1} << kPlaceBits) - 1)]);
    slots = std::move(sorted);
}

} // namespace

// Each teacher's classes of each day in order of start: a class that starts
// before the latest end so far overlaps.
void TimetableChecker::CheckTeacherOverlaps() {
    std::vector<Slot> slots;
    slots.reserve(lessons_.size());
    for (std::size_t i = 0; i < lessons_.size(); ++i)
        if (lessons_[i].start >= 0)
            slots.push_back({lessons_[i].teacher, lessons_[i].day, lessons_[i].start, lessons_[i].end, i, i});
    // The classes came in key order, which is mostly this one already.
    if (!std::is_sorted(slots.begin(), slots.end())) std::sort(slots.begin(), slots.end());
    const Slot* latest = nullptr; // of the current teacher and day
    for (const Slot& slot : slots) {
        if (latest && (latest->owner != slot.owner || latest->day != slot.day)) latest = nullptr;
        if (latest && slot.start < latest->end) {
            findings_.Add(FindingKind::TeacherOverlap, [&] {
                const Lesson& l = lessons_[slot.index];
                const Lesson& earlier = lessons_[latest->index];
                const std::string& teacher = teacherIds_.Name(static_cast<std::uint32_t>(l.teacher));
                return Finding{
                    Severity::Warning,
                    FindingKind::TeacherOverlap,
                    FormatText(TV_TEXT("Comprobación",
                                       "%1, de %2-%3: se solapa con su clase de la sesión %4 (%5-%6)."),
                               {check::ClassPlace(teacher, l.DayText(), l.Period(), l.subject),
                                Clock(l.start), Clock(l.end), IntToStr(StrToIntDef(earlier.Period(), 0)),
                                Clock(earlier.start), Clock(earlier.end)}),
                    std::string(kCuadroH2),
                    l.record,
                    teacher,
                    std::string(l.key),
                    {},
                    0};
            });
        }
        if (!latest || slot.end > latest->end) latest = &slot;
    }
}

// Two classes of one group at once, unless the same class split between
// teachers: the same subject from the same start to the same end.
void TimetableChecker::CheckGroupOverlaps() {
    std::vector<Slot> slots;
    slots.reserve(groupLessons_.size());
    for (std::size_t i = 0; i < groupLessons_.size(); ++i) {
        const Lesson& l = lessons_[groupLessons_[i].lesson];
        if (l.start >= 0 && l.start < l.end)
            slots.push_back({groupLessons_[i].group, l.day, l.start, l.end, i, groupLessons_[i].lesson});
    }
    SortSlots(slots);
    std::vector<const Slot*> open; // the group's classes of the day not ended yet
    for (std::size_t n = 0; n < slots.size(); ++n) {
        const Slot& slot = slots[n];
        if (n == 0 || slot.owner != slots[n - 1].owner || slot.day != slots[n - 1].day) open.clear();
        std::erase_if(open, [&](const Slot* o) { return o->end <= slot.start; });
        for (const Slot* o : open) {
            // The slots carry their lesson's times: the lessons are read only
            // for the subject of a class at the same times, or for a finding.
            if (o->lesson == slot.lesson) continue;
            if (o->start == slot.start && o->end == slot.end &&
                lessons_[o->lesson].subject == lessons_[slot.lesson].subject)
                continue;
            const GroupLesson& g = groupLessons_[slot.index];
            const Lesson& l = lessons_[g.lesson];
            const Lesson& other = lessons_[o->lesson];
            findings_.Add(FindingKind::GroupOverlap, [&] {
                const std::string& teacher = teacherIds_.Name(static_cast<std::uint32_t>(l.teacher));
                const std::string& group = groupIds_.Name(static_cast<std::uint32_t>(g.group));
                return Finding{
                    Severity::Warning,
                    FindingKind::GroupOverlap,
                    FormatText(
                        TV_TEXT("Comprobación", "%1 (%2, %3-%4): el grupo tiene a la vez %5 con %6 (%7-%8)."),
                        {check::GroupPlace(group, teacher, l.DayText(), l.Period()), l.subject,
                         Clock(l.start), Clock(l.end), other.subject,
                         teacherIds_.Name(static_cast<std::uint32_t>(other.teacher)), Clock(other.start),
                         Clock(other.end)}),
                    std::string(kCuadroH3),
                    g.record,
                    teacher,
                    std::string(l.key),
                    group,
                    0};
            });
            break;
        }
        open.push_back(&slot);
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
