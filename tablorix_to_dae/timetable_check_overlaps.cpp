// The checks of classes at once: of one teacher, of one group. Each sweeps
// the classes of an owner's day in order of start, found from the lessons'
// own order (key order, mostly the teacher's already) or by a radix sort of
// packed keys for the groups, whose classes come in their teachers' order.
#include "tablorix_to_dae/timetable_checker.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace tv::tablorix_to_dae {
namespace {

std::string Clock(int minutes) {
    const auto two = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
    return two(minutes / 60) + ":" + two(minutes % 60);
}

// Sorts keys whose low `from` bits already run in ascending order: a stable
// radix sort of the bits above them, a few passes of counts for any number of keys.
void RadixSort(std::vector<std::uint64_t>& keys, int from) {
    constexpr int kBits = 11;
    std::uint64_t used = 0;
    for (const std::uint64_t key : keys)
        used |= key;
    std::vector<std::uint64_t> sorted(keys.size());
    for (int shift = from; shift < 64 && (used >> shift) != 0; shift += kBits) {
        std::array<std::size_t, (1U << kBits) + 1> starts{};
        for (const std::uint64_t key : keys)
            ++starts[((key >> shift) & ((1U << kBits) - 1)) + 1];
        for (std::size_t bucket = 1; bucket < starts.size(); ++bucket)
            starts[bucket] += starts[bucket - 1];
        for (const std::uint64_t key : keys)
            sorted[starts[(key >> shift) & ((1U << kBits) - 1)]++] = key;
        keys.swap(sorted);
    }
}

// The group lessons' numbers in order of group, day, start and place: by one
// integer each, radix sorted, when these fit in it (the place keeps the order
// of equal ones, as they came in order); by the fields otherwise.
template <class GroupLesson> std::vector<std::uint32_t> SlotOrder(const std::vector<GroupLesson>& slots) {
    constexpr int kPlaceBits = 24, kStartBits = 12, kDayBits = 8, kOwnerBits = 20;
    bool packable = slots.size() < (std::size_t{1} << kPlaceBits);
    for (const GroupLesson& s : slots)
        packable = packable && s.group >= 0 && s.group < (1 << kOwnerBits) && s.day >= -1 &&
                   s.day < (1 << kDayBits) - 1 && s.start >= 0 && s.start < (1 << kStartBits);
    std::vector<std::uint32_t> order(slots.size());
    if (!packable) {
        for (std::uint32_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return std::tie(slots[a].group, slots[a].day, slots[a].start, a) <
                   std::tie(slots[b].group, slots[b].day, slots[b].start, b);
        });
        return order;
    }
    std::vector<std::uint64_t> keys;
    keys.reserve(slots.size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const GroupLesson& s = slots[i];
        keys.push_back(static_cast<std::uint64_t>(s.group) << (kDayBits + kStartBits + kPlaceBits) |
                       static_cast<std::uint64_t>(s.day + 1) << (kStartBits + kPlaceBits) |
                       static_cast<std::uint64_t>(s.start) << kPlaceBits | i);
    }
    RadixSort(keys, kPlaceBits);
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[i] = static_cast<std::uint32_t>(keys[i] & ((std::uint64_t{1} << kPlaceBits) - 1));
    return order;
}

} // namespace

std::uint64_t TimetableChecker::Head(std::string_view text) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < std::min<std::size_t>(text.size(), 8); ++i)
        head |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
    return head;
}

// Each teacher's classes of each day in order of start: a class that starts
// before the latest end so far overlaps.
void TimetableChecker::CheckTeacherOverlaps() {
    std::vector<std::uint32_t> order; // lessons with their times
    order.reserve(lessons_.size());
    for (std::uint32_t i = 0; i < lessons_.size(); ++i)
        if (lessons_[i].start >= 0) order.push_back(i);
    const auto before = [&](std::uint32_t a, std::uint32_t b) {
        const Lesson& x = lessons_[a];
        const Lesson& y = lessons_[b];
        return std::tie(x.teacher, x.day, x.start, a) < std::tie(y.teacher, y.day, y.start, b);
    };
    // The classes came in key order, which is mostly this one already.
    if (!std::is_sorted(order.begin(), order.end(), before)) std::sort(order.begin(), order.end(), before);
    const Lesson* latest = nullptr; // of the current teacher and day
    for (const std::uint32_t index : order) {
        const Lesson& l = lessons_[index];
        if (latest && (latest->teacher != l.teacher || latest->day != l.day)) latest = nullptr;
        if (latest && l.start < latest->end) {
            findings_.Add(FindingKind::TeacherOverlap, [&] {
                const Lesson& earlier = *latest;
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
        if (!latest || l.end > latest->end) latest = &l;
    }
}

// Two classes of one group at once, unless the same class split between
// teachers: the same subject from the same start to the same end.
void TimetableChecker::CheckGroupOverlaps() {
    const auto sameSubject = [&](const GroupLesson& a, const GroupLesson& b) {
        if (a.subjectHead != b.subjectHead || a.subjectLength != b.subjectLength) return false;
        // Up to 8 bytes, the heads are the subjects.
        return a.subjectLength <= 8 || lessons_[a.lesson].subject == lessons_[b.lesson].subject;
    };
    std::vector<const GroupLesson*> open; // the group's classes of the day not ended yet
    const GroupLesson* previous = nullptr;
    for (const std::uint32_t number : SlotOrder(groupLessons_)) {
        const GroupLesson& slot = groupLessons_[number];
        if (!previous || slot.group != previous->group || slot.day != previous->day) open.clear();
        previous = &slot;
        std::erase_if(open, [&](const GroupLesson* o) { return o->end <= slot.start; });
        for (const GroupLesson* o : open) {
            if (o->lesson == slot.lesson) continue;
            if (o->start == slot.start && o->end == slot.end && sameSubject(*o, slot)) continue;
            // Beyond the listed ones a finding is only counted: its records are read for its text.
            findings_.Add(FindingKind::GroupOverlap, [&] {
                const Lesson& l = lessons_[slot.lesson];
                const Lesson& other = lessons_[o->lesson];
                const std::string& teacher = teacherIds_.Name(static_cast<std::uint32_t>(l.teacher));
                const std::string& group = groupIds_.Name(static_cast<std::uint32_t>(slot.group));
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
                    slot.record,
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

} // namespace tv::tablorix_to_dae
