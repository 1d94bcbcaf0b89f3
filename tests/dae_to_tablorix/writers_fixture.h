// A DAE folder and a KTEMP folder for one writer test, the context the writers
// read, and helpers to build DAE records and catalogue rows and to read
// written tables back.
#pragma once

#include "common/workflow_values.h"
#include "dae_to_tablorix/catalogue_files.h"
#include "dae_to_tablorix/export_context.h"
#include "tables/table.h"
#include "tests/fake_prompt.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tv::test {

// A fixed-length DAE record, blank-filled, with texts placed at 1-based positions.
class DaeRecord {
  public:
    explicit DaeRecord(std::size_t length) : text_(length, ' ') {}
    DaeRecord& Put(std::size_t position, std::string_view value) {
        text_.replace(position - 1, value.size(), value);
        text_.resize(std::max(text_.size(), position - 1 + value.size()), ' ');
        return *this;
    }
    const std::string& str() const { return text_; }

  private:
    std::string text_;
};

using Row = std::map<std::string, std::string>;

class WritersTest : public ::testing::Test {
  protected:
    WritersTest() : context{prompt, state, ktemp.path(), dae.path()} { state.TransformResult = 1; }

    // Writes `line` as the DAE file `name`, bytes as given (Windows-1252).
    void WriteDaeFile(const std::string& name, const std::string& line) {
        std::ofstream out(dae / name, std::ios::binary | std::ios::trunc);
        out << line << "\r\n";
    }

    // Creates a catalogue table with its real layout and the given rows.
    void CreateCatalogue(std::string_view table, const std::vector<Row>& rows) {
        for (const auto& catalogue : dae_to_tablorix::CatalogueFiles())
            if (catalogue.table == table) {
                tables::Table::Create(ktemp.path(), table, dae_to_tablorix::CatalogueDecl(catalogue));
                AppendRows(table, rows);
                return;
            }
        throw std::logic_error("unknown catalogue");
    }

    void CreateTable(std::string_view table, const tables::TableDecl& decl, const std::vector<Row>& rows) {
        tables::Table::Create(ktemp.path(), table, decl);
        AppendRows(table, rows);
    }

    // The named fields of every row, in table order (or in the order of `index`).
    std::vector<std::vector<std::string>>
    ReadRows(std::string_view table, const std::vector<std::string>& fields, std::string_view index = {}) {
        tables::Table t;
        t.Open(ktemp.path(), table, tables::OpenMode::ReadOnly);
        if (!index.empty()) t.SetIndexName(index);
        std::vector<std::vector<std::string>> rows;
        for (t.First(); !t.Eof(); t.Next()) {
            std::vector<std::string> row;
            for (const auto& field : fields)
                row.push_back(t.AsString(field));
            rows.push_back(std::move(row));
        }
        return rows;
    }

    // One field of every row, in table order.
    std::vector<std::string> Column(std::string_view table, const std::string& field) {
        std::vector<std::string> column;
        for (auto& row : ReadRows(table, {field}))
            column.push_back(row[0]);
        return column;
    }

    bool TableExists(const std::string& table) { return std::filesystem::exists(ktemp / (table + ".DBF")); }

    ScratchDir ktemp;
    ScratchDir dae;
    FakePrompt prompt;
    WorkflowValues state;
    dae_to_tablorix::ExportContext context;

  private:
    void AppendRows(std::string_view table, const std::vector<Row>& rows) {
        tables::Table t;
        t.Open(ktemp.path(), table);
        for (const auto& row : rows) {
            t.Append();
            for (const auto& [field, value] : row)
                t.SetString(field, value);
            t.Post();
        }
        t.Close();
    }
};

} // namespace tv::test
