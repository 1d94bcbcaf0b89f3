// Writes a solved timetable (SOLUC) for a centre whose Tablorix tables are in
// KTEMP: every teacher of PROFT teaches the 30 periods of a 5 x 6 week, so
// the table holds 30 rows per teacher, each key once, in shuffled order (as a
// timetabler leaves them, not in key order). Groups and subjects are spread
// over GRUPOST and ASIGNOMT; a few classes get two periods. Teachers without a
// document get one, as the codification would give them, so that importar
// goes through to fCUADROS.txt.
//
//   generate_large_timetable KTEMP
#include "tables/table.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

#include <algorithm>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using tv::tables::FieldKind;
using tv::tables::OpenMode;
using tv::tables::Table;

std::vector<std::string> Column(const std::filesystem::path& ktemp, std::string_view table,
                                std::string_view field) {
    Table t;
    t.Open(ktemp, table, OpenMode::ReadOnly);
    std::vector<std::string> values;
    for (t.First(); !t.Eof(); t.Next())
        values.push_back(t.AsString(field));
    return values;
}

void GiveEveryTeacherADocument(const std::filesystem::path& ktemp) {
    Table teachers;
    teachers.Open(ktemp, tv::schema::kTeacherTable, OpenMode::Exclusive);
    for (teachers.First(); !teachers.Eof(); teachers.Next()) {
        if (!teachers.AsString(tv::schema::kDocumentField).empty()) continue;
        teachers.Edit();
        teachers.SetString(tv::schema::kDocumentField, "X" + std::to_string(teachers.RecNo()));
        teachers.Post();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_large_timetable KTEMP\n";
        return 2;
    }
    const std::filesystem::path ktemp = argv[1];
    try {
        GiveEveryTeacherADocument(ktemp);
        const auto teachers = Column(ktemp, tv::schema::kTeacherTable, tv::schema::kAbbreviationField);
        const auto groups = Column(ktemp, tv::schema::kGroupTable, tv::schema::kAbbreviationField);
        const auto subjects = Column(ktemp, tv::schema::kSubjectTable, "COD");

        struct Slot {
            int teacher, day, period;
        };
        std::vector<Slot> slots;
        slots.reserve(teachers.size() * 30);
        for (int t = 0; t < static_cast<int>(teachers.size()); ++t)
            for (int day = 1; day <= 5; ++day)
                for (const int period : {1, 2, 3, 5, 6, 7})
                    slots.push_back({t, day, period});
        std::mt19937 random(20260910);
        std::shuffle(slots.begin(), slots.end(), random);

        tv::tables::TableDecl decl;
        decl.fields = {{"PROF", FieldKind::String, 10}, {"DIA", FieldKind::Integer, 0},
                       {"HORA", FieldKind::Integer, 0}, {"SESIONES", FieldKind::Integer, 0},
                       {"ASIG", FieldKind::String, 10}, {"CODGRUPO", FieldKind::String, 10},
                       {"AULA", FieldKind::String, 10}, {"NALUM", FieldKind::Integer, 0},
                       {"TAREA", FieldKind::String, 4}, {"TURNO", FieldKind::String, 1},
                       {"NIVEL", FieldKind::String, 5}, {"CURSO", FieldKind::String, 3},
                       {"GRUPO", FieldKind::String, 2}};
        Table::Create(ktemp, tv::schema::kSolutionTable, decl);
        Table soluc;
        soluc.Open(ktemp, tv::schema::kSolutionTable, OpenMode::Exclusive);
        for (const Slot& slot : slots) {
            const auto pick = [&](const std::vector<std::string>& from) {
                return from[random() % from.size()];
            };
            const long long sessions = slot.period % 2 == 1 && random() % 8 == 0 ? 2 : 1;
            soluc.AppendRecord({teachers[static_cast<std::size_t>(slot.teacher)],
                                static_cast<long long>(slot.day), static_cast<long long>(slot.period),
                                sessions, pick(subjects), pick(groups),
                                "AULA" + std::to_string(random() % 200),
                                static_cast<long long>(random() % 4 == 0 ? 22 : 0)});
        }
        soluc.Close();
        std::cout << "SOLUC written to " << ktemp.string() << " (" << slots.size() << " rows)\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
