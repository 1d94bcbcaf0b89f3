// What a cursor's listener is told when the rows it shows change, whichever
// cursor wrote them: appends, changes, deletes, its own edits and moves, and
// a whole new set of rows.
#include "tables/table.h"

#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tv::tables {
namespace {

using test::ScratchDir;

const TableDecl kClasses{{{"PROF", FieldKind::String, 6}, {"ASIG", FieldKind::String, 8}}, {"PROF"}};
const TableDecl kTeachers{{{"ABREV", FieldKind::String, 6}}, {"ABREV"}};

// Two teachers; their classes in record order: 1 ANA/MAT, 2 BEA/FIS, 3 ANA/LEN.
struct School {
    School() {
        Table::Create(dir.path(), "PROFT", kTeachers);
        Table::Create(dir.path(), "CLASES", kClasses);
        teachers.Open(dir.path(), "PROFT");
        for (const char* name : {"ANA", "BEA"})
            teachers.AppendRecord({std::string(name)});
        teachers.SetIndexName("ABREV");
        Table writer;
        writer.Open(dir.path(), "CLASES");
        writer.AppendRecord({std::string("ANA"), std::string("MAT")});
        writer.AppendRecord({std::string("BEA"), std::string("FIS")});
        writer.AppendRecord({std::string("ANA"), std::string("LEN")});
        writer.Close();
        watched.Open(dir.path(), "CLASES");
        other.Open(dir.path(), "CLASES");
    }
    ScratchDir dir;
    Table teachers;
    Table watched; // the cursor a grid would show
    Table other;   // a step's own cursor on the same file
};

struct Seen {
    RowEvent event;
    TableState watchedState;
    std::uint32_t watchedRecord;
};

} // namespace

void PrintTo(const RowEvent& event, std::ostream* out) {
    static const char* const kNames[] = {"Appended", "Changed", "Reset", "Edited", "Moved"};
    *out << kNames[static_cast<int>(event.change)] << ' ' << event.record;
}

namespace {

struct ListenerCase {
    const char* name;
    std::function<void(School&)> action;
    std::vector<RowEvent> expected;   // what the watched cursor's listener is told, in order
    std::vector<std::uint32_t> shown; // what the watched cursor shows afterwards
};

class RowListenersTest : public ::testing::TestWithParam<ListenerCase> {};

TEST_P(RowListenersTest, TheWatchedCursorIsToldWhatChangedItsRows) {
    School school;
    std::vector<Seen> seen;
    const RowSubscription subscription = school.watched.Subscribe([&](const RowEvent& event) {
        seen.push_back({event, school.watched.State(), school.watched.RecNo()});
    });
    GetParam().action(school);
    std::vector<RowEvent> told;
    for (const Seen& s : seen)
        told.push_back(s.event);
    EXPECT_EQ(told, GetParam().expected);
    EXPECT_EQ(school.watched.VisibleRecords(), GetParam().shown);
    // A post through the watched cursor itself is told once its record is current.
    for (const Seen& s : seen)
        if (s.event.change == RowChange::Appended || s.event.change == RowChange::Changed) {
            EXPECT_EQ(s.watchedState, TableState::Browse);
        }
}

void Detail(School& school) {
    school.watched.SetIndexName("PROF");
    school.watched.SetMasterSource(&school.teachers, "ABREV");
}

const ListenerCase kCases[] = {
    {"an append through another cursor",
     [](School& s) {
         s.other.AppendRecord({std::string("BEA"), std::string("QUI")});
     },
     {{RowChange::Appended, 4}},
     {1, 2, 3, 4}},
    {"a change through another cursor",
     [](School& s) {
         s.other.GotoBookmark({2});
         s.other.Edit();
         s.other.SetString("ASIG", "FIS2");
         s.other.Post();
     },
     {{RowChange::Changed, 2}},
     {1, 2, 3}},
    {"a delete through another cursor",
     [](School& s) {
         s.other.GotoBookmark({3});
         s.other.Delete();
     },
     {{RowChange::Changed, 3}},
     {1, 2}},
    {"a change through the watched cursor itself",
     [](School& s) {
         s.watched.GotoBookmark({3});
         s.watched.Edit();
         s.watched.SetString("ASIG", "EUS");
         s.watched.Post();
     },
     {{RowChange::Moved, 3}, {RowChange::Edited, 3}, {RowChange::Changed, 3}},
     {1, 2, 3}},
    {"a new row typed into the watched cursor",
     [](School& s) {
         s.watched.Append();
         s.watched.SetString("PROF", "BEA");
         s.watched.Post();
     },
     {{RowChange::Reset}, {RowChange::Edited}, {RowChange::Appended, 4}},
     {1, 2, 3, 4}},
    {"an edit dropped",
     [](School& s) {
         s.watched.Edit();
         s.watched.SetString("ASIG", "XXX");
         s.watched.Cancel();
     },
     {{RowChange::Edited, 1}, {RowChange::Edited, 1}},
     {1, 2, 3}},
    {"the watched cursor closed and reopened",
     [](School& s) { s.watched.Open(s.dir.path(), "CLASES"); },
     {{RowChange::Reset}, {RowChange::Moved, 1}, {RowChange::Reset}},
     {1, 2, 3}},
    {"its master moved",
     [](School& s) {
         Detail(s);
         s.teachers.Next(); // BEA
     },
     {{RowChange::Moved, 1},
      {RowChange::Reset},
      {RowChange::Moved, 1},
      {RowChange::Reset},
      {RowChange::Moved, 2},
      {RowChange::Reset}},
     {2}},
    {"a change outside the detail's range is told too",
     [](School& s) {
         Detail(s); // ANA's classes
         s.other.GotoBookmark({2});
         s.other.Edit();
         s.other.SetString("ASIG", "FIS2");
         s.other.Post();
     },
     {{RowChange::Moved, 1},
      {RowChange::Reset},
      {RowChange::Moved, 1},
      {RowChange::Reset},
      {RowChange::Changed, 2}},
     {1, 3}},
};

INSTANTIATE_TEST_SUITE_P(Writes, RowListenersTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ListenerCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

TEST(RowSubscription, EndsWithItsOwnerOrWithTheCursor) {
    School school;
    int told = 0;
    {
        const RowSubscription subscription = school.watched.Subscribe([&](const RowEvent&) { ++told; });
        school.other.AppendRecord({std::string("ANA"), std::string("ING")});
        EXPECT_EQ(told, 1);
    }
    school.other.AppendRecord({std::string("ANA"), std::string("DIB")});
    EXPECT_EQ(told, 1); // unsubscribed

    // A subscription may outlive its cursor (a window's model destroyed after its tables).
    std::optional<Table> cursor(std::in_place);
    cursor->Open(school.dir.path(), "CLASES");
    RowSubscription late = cursor->Subscribe([&](const RowEvent&) { ++told; });
    cursor.reset(); // closed as it goes: told that it shows nothing now
    EXPECT_EQ(told, 2);
    EXPECT_FALSE(late.Active());
    school.other.AppendRecord({std::string("BEA"), std::string("MUS")});
    late.Reset();
    EXPECT_EQ(told, 2);
}

TEST(RowSubscription, AListenerMayEndAnotherWhileBeingTold) {
    School school;
    std::vector<std::string> told;
    RowSubscription second;
    const RowSubscription first = school.watched.Subscribe([&](const RowEvent&) {
        told.push_back("first");
        second.Reset();
    });
    second = school.watched.Subscribe([&](const RowEvent&) { told.push_back("second"); });
    school.other.AppendRecord({std::string("ANA"), std::string("ING")});
    EXPECT_EQ(told, std::vector<std::string>{"first"});
}

} // namespace
} // namespace tv::tables
