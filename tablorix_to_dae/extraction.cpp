#include "tablorix_to_dae/extraction.h"

#include "tablorix_to_dae/class_values.h"
#include "tablorix_to_dae/work_records.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/key_sorter.h"
#include "tables/table.h"
#include "tables/table_builder.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tv::tablorix_to_dae {
namespace {

// The teacher's document, from PROFT by its ABREV tag; an unknown teacher is
// appended so that the codification window lists him for his document.
Teacher FindOrAppendTeacher(tables::Table& teachers, std::string_view abbreviation) {
    if (teachers.FindKey(abbreviation))
        return {teachers.AsString(schema::kDocumentTypeField), teachers.AsString(schema::kDocumentField)};
    teachers.Append();
    teachers.SetString(schema::kAbbreviationField, abbreviation);
    teachers.Post();
    return {};
}

} // namespace

WrittenWorkTables ExtractTimetable(const std::filesystem::path& ktemp) {
    std::optional<tables::TableBuilder> cuadroh2, cuadroh3;
    { // The timetable and what it was joined with go before the tables are written.
        const SolucTimetable timetable = ReadSoluc(ktemp);
        const std::vector<SolucClass>& classes = timetable.classes;
        const Lookups lookups{ReadGroups(ktemp), ReadSubjects(ktemp), ReadPeriods(ktemp)};

        tables::Table teachers;
        teachers.Open(ktemp, schema::kTeacherTable, tables::OpenMode::Exclusive);
        teachers.SetIndexName(schema::kAbbreviationField);
        cuadroh2.emplace(ktemp, kCuadroH2);
        cuadroh3.emplace(ktemp, kCuadroH3);
        // Fresh tables get at most one record of each per class: reserved once. Kept
        // tables grow only by the classes that are new, often none; reserving there
        // would copy all their rows for nothing.
        for (tables::TableBuilder* table : {&*cuadroh2, &*cuadroh3})
            if (table->RecordCount() == 0) table->Reserve(static_cast<std::uint32_t>(classes.size()));
        ClassRecords classRecords(*cuadroh2);
        GroupRecords groupRecords(*cuadroh3);

        // Unknown teachers join PROFT in the order the timetable names them.
        std::unordered_map<std::string_view, Teacher> teacherOf;
        std::vector<const Teacher*> teacherOfClass;
        teacherOfClass.reserve(classes.size());
        for (const SolucClass& lesson : classes) {
            auto found = teacherOf.find(lesson.teacher);
            if (found == teacherOf.end())
                found =
                    teacherOf.emplace(lesson.teacher, FindOrAppendTeacher(teachers, lesson.teacher)).first;
            teacherOfClass.push_back(&found->second); // nodes of the map stay where they are
        }
        teachers.Close();

        // The classes in key order, those of one key in the timetable's order: each
        // record gets the same values as in stored order, and new records arrive in
        // the order of the key tags, which then need no sorting. The keys sort as
        // their 13-character field holds them, equal keys in the classes' order.
        std::string keys(classes.size() * kKeyWidth, ' ');
        for (std::size_t i = 0; i < classes.size(); ++i)
            StoreClassKey(keys.data() + i * kKeyWidth, classes[i].teacher, classes[i].day, classes[i].period);
        SolucScratch scratch;
        const std::vector<std::uint32_t> order =
            tables::SortKeys(keys.data(), kKeyWidth, static_cast<std::uint32_t>(classes.size()), 'C');
        for (std::size_t k = 0; k < order.size(); ++k) {
            // The classes are visited out of their stored order: what a class
            // a few places on reads is asked for ahead, not waited for; first
            // the class, then, once it is at hand, what it points to.
            constexpr std::size_t kAhead = 8;
            if (k + 2 * kAhead < order.size()) {
                const std::size_t ahead = order[k + 2 * kAhead] - 1;
                __builtin_prefetch(&classes[ahead]);
                __builtin_prefetch(&teacherOfClass[ahead]);
            }
            if (k + kAhead < order.size()) {
                const std::size_t ahead = order[k + kAhead] - 1;
                __builtin_prefetch(teacherOfClass[ahead]);
                __builtin_prefetch(timetable.Record(classes[ahead]));
                __builtin_prefetch(keys.data() + ahead * kKeyWidth);
            }
            const std::size_t i = order[k] - 1;
            const std::string_view key = std::string_view(keys).substr(i * kKeyWidth, kKeyWidth);
            const ClassValues values =
                JoinClass(classes[i], timetable.Texts(classes[i], scratch), key, *teacherOfClass[i], lookups);
            classRecords.Write(values);
            groupRecords.Write(values);
        }
    }

    RemoveUntouchedRecords(*cuadroh2);
    RemoveUntouchedRecords(*cuadroh3);
    WrittenWorkTables written;
    written.classes = cuadroh2->Write();
    written.groups = cuadroh3->Write();
    return written;
}

} // namespace tv::tablorix_to_dae
