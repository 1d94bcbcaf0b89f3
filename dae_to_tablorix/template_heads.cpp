#include "dae_to_tablorix/template_heads.h"

#include "dae_to_tablorix/template_file.h"

#include "tables/table.h"
#include "tables/text.h"
#include "tablorix_schema/table_names.h"

namespace tv::dae_to_tablorix {
namespace {

bool StartsWithOne(std::string_view record) {
    return !record.empty() && record.front() == '1';
}

} // namespace

std::vector<TemplateHead> ListTemplateHeads(std::string_view line) {
    std::vector<TemplateHead> heads;
    const std::size_t n = line.size();
    std::size_t p = 1;
    while (p <= n) {
        const std::string_view head = Cut(line, p, kTemplateHeadLength);
        p += kTemplateHeadLength;
        if (!StartsWithOne(head)) continue; // the 59 characters are passed over
        heads.push_back({std::string(Cut(head, 2, 8)), std::string(Cut(head, 10, 50))});

        std::string_view taken;
        do {
            taken = Cut(line, p, kHourLineLength);
            p += kHourLineLength;
        } while (!StartsWithOne(taken) && p < n);
        if (StartsWithOne(taken)) p -= kHourLineLength; // the next head starts there
    }
    return heads;
}

void StoreTemplateHeads(const std::vector<TemplateHead>& heads, const std::filesystem::path& ktemp) {
    tables::TableDecl decl;
    decl.fields = {{"CODIGO", tables::FieldKind::String, 8}, {"PLANTILLA", tables::FieldKind::String, 50}};
    tables::Table::Create(ktemp, schema::kTemplatesTable, decl);
    tables::Table templates;
    templates.Open(ktemp, schema::kTemplatesTable);
    for (const auto& head : heads)
        templates.AppendRecord({head.code, head.name});
    templates.Close();
}

std::vector<TemplateHead> ReadTemplateHeads(const std::filesystem::path& ktemp) {
    std::vector<TemplateHead> heads;
    tables::Table templates;
    templates.Open(ktemp, schema::kTemplatesTable, tables::OpenMode::ReadOnly);
    for (templates.First(); !templates.Eof(); templates.Next())
        heads.push_back({templates.AsString("CODIGO"), templates.AsString("PLANTILLA")});
    templates.Close();
    return heads;
}

} // namespace tv::dae_to_tablorix
