// Small Tablorix tables for the Tablorix -> DAE tests, written through the
// table store into a scratch KTEMP, and the work tables read back as rows.
#pragma once

#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/import_context.h"
#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/table.h"
#include "tests/fake_prompt.h"
#include "tests/test_support.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tv::test {

using Row = std::map<std::string, std::string>;

struct SolucRow {
    std::string prof{};
    int dia = 1;
    int hora = 1;
    int sesiones = 1;
    std::string asig{};
    std::string grupo{};
    std::string aula{};
    std::string nalum = "0";
    std::string tarea{};
};

struct TeacherRow {
    std::string abrev{};
    std::string dni{};
    std::string tipodni{};
};

struct GroupRow {
    std::string abrev{};
    std::string nivel{};
    std::string plan{};
    std::string codigo{};
    std::string alias{};
    long long maxalum = 0;
};

struct SubjectRow {
    std::string cod{};
    std::string codigodae{};
    std::string nombre{};
};

inline tables::FieldDecl Text(const char* name, int width) {
    return {name, tables::FieldKind::String, width};
}
inline tables::FieldDecl Number(const char* name) {
    return {name, tables::FieldKind::Integer, 0};
}

inline void WriteSoluc(const std::filesystem::path& ktemp, const std::vector<SolucRow>& rows) {
    tables::TableDecl decl;
    decl.fields = {Text("PROF", 10), Number("DIA"),        Number("HORA"),   Number("SESIONES"),
                   Text("ASIG", 10), Text("CODGRUPO", 10), Text("AULA", 10), Text("NALUM", 4),
                   Text("TAREA", 4), Text("TURNO", 1),     Text("NIVEL", 5), Text("CURSO", 3),
                   Text("GRUPO", 2)};
    tables::Table::Create(ktemp, "SOLUC", decl);
    tables::Table t;
    t.Open(ktemp, "SOLUC");
    for (const auto& r : rows)
        t.AppendRecord({r.prof, static_cast<long long>(r.dia), static_cast<long long>(r.hora),
                        static_cast<long long>(r.sesiones), r.asig, r.grupo, r.aula, r.nalum, r.tarea});
}

inline void WriteTeachers(const std::filesystem::path& ktemp, const std::vector<TeacherRow>& rows) {
    tables::TableDecl decl;
    decl.fields = {Text("ABREV", 10), Text("NOMBRE", 80), Text("DEPART", 40),
                   Text("DNI", 15),   Text("TIPODNI", 4), Text("EMAIL", 100)};
    decl.indexes = {"ABREV"};
    tables::Table::Create(ktemp, "PROFT", decl);
    tables::Table t;
    t.Open(ktemp, "PROFT");
    for (const auto& r : rows)
        t.AppendRecord({r.abrev, std::string(), std::string(), r.dni, r.tipodni});
}

inline void WriteGroups(const std::filesystem::path& ktemp, const std::vector<GroupRow>& rows) {
    tables::TableDecl decl;
    decl.fields = {Text("ABREV", 10),    Number("MAXALUM"),  Text("CODGRUDAE", 8),
                   Text("ALIASDAE", 50), Text("PLANDAE", 4), Text("NIVELDAE", 4)};
    tables::Table::Create(ktemp, "GRUPOST", decl);
    tables::Table t;
    t.Open(ktemp, "GRUPOST");
    for (const auto& r : rows)
        t.AppendRecord({r.abrev, r.maxalum, r.codigo, r.alias, r.plan, r.nivel});
}

inline void WriteSubjects(const std::filesystem::path& ktemp, const std::vector<SubjectRow>& rows) {
    tables::TableDecl decl;
    decl.fields = {Text("COD", 10), Text("CODLARGO", 10), Text("NOMBRE", 80), Text("CODIGODAE", 8)};
    tables::Table::Create(ktemp, "ASIGNOMT", decl);
    tables::Table t;
    t.Open(ktemp, "ASIGNOMT");
    for (const auto& r : rows)
        t.AppendRecord({r.cod, std::string(), r.nombre, r.codigodae});
}

inline void WriteTemplate(const std::filesystem::path& ktemp,
                          const std::vector<tablorix_to_dae::TemplateRow>& rows) {
    tables::Table::Create(ktemp, tablorix_to_dae::kTemplateTable, tablorix_to_dae::PlantillaDeclaration());
    tables::Table t;
    t.Open(ktemp, tablorix_to_dae::kTemplateTable);
    for (const auto& r : rows)
        t.AppendRecord({static_cast<long long>(r.period), r.start, r.end});
}

// Every live record with every field, in the order of `index` (record order when empty).
inline std::vector<Row> Rows(const std::filesystem::path& ktemp, std::string_view table,
                             std::string_view index = "") {
    tables::Table t;
    t.Open(ktemp, table, tables::OpenMode::ReadOnly);
    if (!index.empty()) t.SetIndexName(index);
    std::vector<Row> rows;
    for (t.First(); !t.Eof(); t.Next()) {
        Row row;
        for (const auto& field : t.Fields())
            row[field.name] = t.AsString(field.name);
        rows.push_back(std::move(row));
    }
    return rows;
}

// A DAE catalogue table `name` with `fields`, holding `rows`.
inline void WriteCatalogue(const std::filesystem::path& ktemp, const char* name,
                           std::vector<tables::FieldDecl> fields,
                           const std::vector<std::vector<tables::FieldValue>>& rows) {
    tables::TableDecl decl;
    decl.fields = std::move(fields);
    tables::Table::Create(ktemp, name, decl);
    tables::Table t;
    t.Open(ktemp, name);
    for (const auto& row : rows)
        t.AppendRecord(row);
}

// A KTEMP with the worked case's teacher, group, subject and template
// (periods 9 and 10), and the DAE folder beside it.
class TablorixFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteTeachers(ktemp(), {{"ABC", "D0001", "1"}});
        WriteGroups(ktemp(), {{"1A", "0005", "0001", "G0000001", "1A ESO", 25}});
        WriteSubjects(ktemp(), {{"MAT", "1234ABCD", "Matem\xE1ticas"}, {"GUA", "0200", "Guardia"}});
        WriteTemplate(ktemp(), {{1, "08:00", "08:55"},
                                {2, "08:55", "09:50"},
                                {3, "09:50", "10:45"},
                                {4, "11:15", "12:10"},
                                {9, "14:00", "14:55"},
                                {10, "14:55", "15:50"}});
        std::filesystem::create_directories(dir / "DAE");
    }

    const std::filesystem::path& ktemp() const { return dir.path(); }
    std::filesystem::path dae() const { return dir / "DAE"; }

    tablorix_to_dae::ImportContext Context() {
        return {prompt, state, ktemp(), dae(), {}, tablorix_to_dae::kCodificationFinished};
    }

    // The timetable extracted into the work tables, with the centre's data
    // (014725, 2025, 2526) typed into a fresh daeCENTRO.
    void ExtractWithCentreData() {
        tablorix_to_dae::CreaCuadrosHorarios(ktemp());
        tablorix_to_dae::ExtractTimetable(ktemp());
        auto context = Context();
        tablorix_to_dae::AskForCentreDataIfMissing(context);
        tablorix_to_dae::StoreCentreData(ktemp(), "014725", "2025", "2526");
    }

    ScratchDir dir;
    FakePrompt prompt;
    WorkflowValues state;
};

} // namespace tv::test
