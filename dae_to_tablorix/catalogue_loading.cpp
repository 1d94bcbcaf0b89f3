#include "dae_to_tablorix/catalogue_loading.h"

#include "dae_to_tablorix/record_line.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace tv::dae_to_tablorix {

void LoadCatalogue(const CatalogueFile& catalogue, std::string_view line,
                   const std::filesystem::path& ktemp) {
    tables::Table::Create(ktemp, catalogue.table, CatalogueDecl(catalogue));
    tables::Table table;
    table.Open(ktemp, catalogue.table);

    // The table starts empty, so the codes appended so far are the codes in it.
    std::unordered_set<std::string> codesSeen;
    std::vector<tables::FieldValue> row;
    for (const std::string_view record : SplitRecords(line, catalogue.recordLength)) {
        row.clear();
        for (const auto& field : catalogue.fields) {
            if (field.position == 0)
                row.emplace_back(std::monostate{});
            else
                row.emplace_back(Field(record, field.position, field.width));
        }
        const std::string& first = std::get<std::string>(row.front());
        if (catalogue.rule == RecordRule::TaskTypesLN && first != "L" && first != "N") continue;
        if (catalogue.rule == RecordRule::FirstOfEachCode && !codesSeen.insert(first).second) continue;
        table.AppendRecord(row);
    }
    table.Close();
}

} // namespace tv::dae_to_tablorix
