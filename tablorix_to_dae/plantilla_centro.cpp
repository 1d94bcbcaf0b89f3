#include "tablorix_to_dae/plantilla_centro.h"

#include "tables/file_names.h"
#include "tables/table_files.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

tables::TableDecl PlantillaDeclaration() {
    tables::TableDecl decl;
    decl.fields = {
        {"HORA", tables::FieldKind::Integer, 0},
        {"HORAINI", tables::FieldKind::String, 5},
        {"HORAFIN", tables::FieldKind::String, 5},
    };
    decl.indexes = {"HORA"};
    return decl;
}

std::vector<TemplateRow> CentreTemplateRows(const std::filesystem::path& ktemp) {
    if (tables::FileExistsNoCase(ktemp, "DIASHORAST.DBF")) {
        tables::Table dayHours;
        dayHours.Open(ktemp, schema::kDayHourTable, tables::OpenMode::Exclusive);
        auto rows = TemplateRowsFromDayHours(dayHours);
        // A day/hour table without a period 1 gives no time at all; the default
        // template at least gives the check window rows to correct.
        if (!rows.empty()) return rows;
    }
    return DefaultTemplateRows();
}

bool PlantillaCentro(const ImportContext& context) {
    const auto rows = CentreTemplateRows(context.ktemp);
    // A template another program holds cannot be renewed: the check window
    // shows it as it is. Otherwise the new one replaces it.
    if (tables::HeldElsewhere(tables::ResolveFileName(context.ktemp, "PLANTILLA.DBF"))) return false;

    tables::Table::Create(context.ktemp, kTemplateTable, PlantillaDeclaration());
    tables::Table plantilla;
    plantilla.Open(context.ktemp, kTemplateTable, tables::OpenMode::Exclusive);
    for (const TemplateRow& row : rows)
        plantilla.AppendRecord({static_cast<long long>(row.period), row.start, row.end});
    plantilla.Close();
    return true;
}

std::vector<TemplateRow> ReadTemplate(const std::filesystem::path& ktemp) {
    tables::Table plantilla;
    plantilla.Open(ktemp, kTemplateTable, tables::OpenMode::ReadOnly);
    plantilla.SetIndexName("HORA");
    std::vector<TemplateRow> rows;
    for (; !plantilla.Eof(); plantilla.Next())
        rows.push_back(
            {plantilla.AsInteger("HORA"), plantilla.AsString("HORAINI"), plantilla.AsString("HORAFIN")});
    return rows;
}

} // namespace tv::tablorix_to_dae
