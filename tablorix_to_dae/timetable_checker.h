// The check of the timetable file fed one record at a time, so that a large
// timetable is checked as it is read: each record's own checks run at once,
// and only what the checks across records need is kept (who teaches when,
// which teachers lack a document). The classes come before the groups. The
// texts of the records given stay valid until Finish: the checker keeps views
// of the classes' keys and subjects, not copies.
#pragma once

#include "tablorix_to_dae/timetable_check_input.h"
#include "tablorix_to_dae/timetable_check_parts.h"
#include "tablorix_to_dae/timetable_check_records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tv::tablorix_to_dae {

class TimetableChecker {
  public:
    TimetableChecker(const CheckCentre& centre, std::vector<CheckTeacher> teachers,
                     CheckCatalogues catalogues);

    // Room for this many classes and groups, when their count is known ahead.
    void Reserve(std::size_t classes, std::size_t groups);
    void AddClass(const ClassRecord& c);
    void AddGroup(const GroupRecord& g);
    // Blocking findings first; within each severity, the centre, the
    // teachers, then the records in the order they came.
    std::vector<Finding> Finish();

  private:
    // A class as the checks across records need it.
    struct Lesson {
        std::uint32_t record = 0;
        int teacher = 0; // into teachers
        int day = 0;     // DIASEM as a number, -1 when it is none
        // Minutes (24:00 at most); -1 when the time is not hh:mm. Small, as
        // the lessons of a large timetable are many.
        std::int16_t start = -1;
        std::int16_t end = -1;
        std::string_view key, subject; // the day and the period are in the key
        std::uint64_t subjectHead = 0; // the subject's first 8 bytes, compared first
        std::string_view DayText() const { return KeyPart(10, 1); }
        std::string_view Period() const { return KeyPart(11, 2); }
        std::string_view KeyPart(std::size_t from, std::size_t width) const {
            return from < key.size() ? key.substr(from, width) : std::string_view();
        }
    };
    // A class of a group with times, as the sweep over the group's day needs
    // it: its lesson's times and subject head are copied, so that the sweep
    // reads no lesson unless it reports.
    struct GroupLesson {
        int group = 0; // into groups
        int day = 0;
        std::int16_t start = 0;
        std::int16_t end = 0;
        std::uint32_t record = 0;
        std::uint32_t lesson = 0;
        std::uint32_t subjectLength = 0;
        std::uint64_t subjectHead = 0;
    };
    struct MissingDocument {
        bool type = false;
        bool number = false;
    };

    int TeacherId(std::string_view abbreviation);
    int GroupId(std::string_view group);
    void NoteDocument(int teacher, std::string_view type, std::string_view number);
    // The lesson of a group's key: the records come in the same key order, so
    // the search goes on from the last one found.
    std::optional<std::size_t> LessonOf(std::string_view key);

    // The first 8 bytes of a text, as one number.
    static std::uint64_t Head(std::string_view text);

    void CheckDocuments();
    void CheckTeachersWithoutClasses();
    void CheckTeacherOverlaps();
    void CheckGroupOverlaps();

    std::vector<CheckTeacher> teachers_;
    CheckCatalogues catalogues_;
    check::CatalogueLookup lookup_{catalogues_};
    check::Findings findings_;
    check::Findings teacherFindings_; // of PROFT and of the documents, ahead of the records'

    NameIndex teacherIds_, groupIds_;
    int lastTeacher_ = -1;
    int lastGroup_ = -1;

    std::vector<Lesson> lessons_;
    std::vector<GroupLesson> groupLessons_; // those that start before they end
    std::size_t nextLesson_ = 0;
    std::unordered_map<std::string_view, std::size_t> lessonByKey_; // built only when the order fails

    std::vector<MissingDocument> missingDocuments_; // by teacher id
    std::vector<int> missingOrder_;                 // teachers in the order their first gap came
    std::vector<bool> teaching_;                    // by teacher id
};

} // namespace tv::tablorix_to_dae
