// Feeds a table of KTEMP, replaced by arbitrary .DBF and .MDX bytes, to the
// table store's open path and to the Tablorix -> DAE extraction: cursors over
// every field, each tag as the active index with FindKey, Locate, an edit
// written back on close (foreign tables keep their level and index), then the
// template and the whole extraction over SOLUC and the tables it joins.
// Every step must end with data or an error, never a crash or undefined behaviour.
//
// Input: byte 0 picks the table; bytes 1-2 give the .DBF's length (little
// endian); then the .DBF; the rest, when any, is its .MDX.
#include "fuzz/fuzz_support.h"

#include "cli/levels_csv.h"
#include "common/workflow_values.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/datos_nivel.h"
#include "dae_to_tablorix/final_recogida.h"
#include "dae_to_tablorix/recoge_datos_dae.h"
#include "dae_to_tablorix/template_heads.h"
#include "dae_to_tablorix/transfer_run.h"
#include "tables/table.h"
#include "tables/unsaved_tables.h"
#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/plantilla_centro.h"
#include "tablorix_to_dae/work_tables.h"

#include <array>
#include <exception>

namespace {

constexpr std::array<const char*, 8> kTables = {"SOLUC",     "PROFT",    "GRUPOST",    "ASIGNOMT",
                                                "PLANTILLA", "CUADROH2", "DIASHORAST", "CUADROH3"};

// The sample school exported once, with its solved timetable and work tables.
const std::filesystem::path& PristineKtemp() {
    static const std::filesystem::path ktemp = [] {
        using namespace tv::dae_to_tablorix;
        const auto folder = tv::fuzz::ScratchFolder() / "pristine";
        std::filesystem::create_directories(folder);
        tv::fuzz::AnsweringPrompt prompt;
        tv::WorkflowValues state;
        ExportContext context{prompt, state, folder, tv::fuzz::SampleSchool() / "DAE", "EUSKERA", false};
        RecogeDatosDAE(context);
        AcceptCentreData(context, "2526");
        DatosNivel(context);
        tv::cli::ApplyLevelAbbreviations(folder,
                                         tv::cli::ReadLevelsCsv(tv::fuzz::SampleSchool() / "niveles.csv"));
        FinalRecogida(context);
        TransferRun(context, ReadTemplateHeads(folder).front().code);
        std::filesystem::copy_file(tv::fuzz::SampleSchool() / "SOLUC.DBF", folder / "SOLUC.DBF");
        tv::tablorix_to_dae::ImportContext import{
            prompt, state, folder, folder, folder, tv::tablorix_to_dae::CodificationStatus::Finished};
        tv::tablorix_to_dae::PlantillaCentro(import);
        tv::tablorix_to_dae::CreaCuadrosHorarios(folder);
        return folder;
    }();
    return ktemp;
}

void ExerciseCursors(const std::filesystem::path& ktemp, const char* name) {
    using tv::tables::Table;
    Table table;
    table.Open(ktemp, name, tv::tables::OpenMode::Shared);
    for (table.First(); !table.Eof(); table.Next())
        for (int i = 0; i < static_cast<int>(table.Fields().size()); ++i)
            (void)table.AsString(i);
    for (const auto& field : table.Fields()) {
        try {
            table.SetIndexName(field.name);
        } catch (const std::exception&) {
            continue;
        }
        table.First();
        if (!table.Eof()) {
            const std::string value = table.AsString(field.name);
            table.FindKey(value);
            table.Locate(field.name, {value});
        }
        table.Last();
        table.Prior();
    }
    table.SetIndexName("");
    table.First();
    if (!table.Eof() && !table.Fields().empty()) {
        table.Edit();
        table.SetString(table.Fields().front().name, "X");
        table.Post();
    }
    table.Close();
    table.Open(ktemp, name, tv::tables::OpenMode::ReadOnly);
    table.Close();
}

void Extract(const std::filesystem::path& ktemp) {
    tv::fuzz::AnsweringPrompt prompt;
    tv::WorkflowValues state;
    tv::tablorix_to_dae::ImportContext context{
        prompt, state, ktemp, ktemp, ktemp, tv::tablorix_to_dae::CodificationStatus::Finished};
    tv::tablorix_to_dae::PlantillaCentro(context);
    tv::tablorix_to_dae::ExtractTimetable(ktemp);
}

// The pristine tables with `name` replaced by the input's files.
void PlaceTable(const std::filesystem::path& ktemp, const std::string& name,
                std::span<const std::uint8_t> dbf, std::span<const std::uint8_t> mdx) {
    tv::fuzz::CopyFolder(PristineKtemp(), ktemp);
    std::filesystem::remove(ktemp / (name + ".MDX"));
    tv::fuzz::WriteFile(ktemp / (name + ".DBF"), dbf);
    if (!mdx.empty()) tv::fuzz::WriteFile(ktemp / (name + ".MDX"), mdx);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string name = kTables[data[0] % kTables.size()];
    const std::size_t dbfLength = std::min<std::size_t>(data[1] | (data[2] << 8), size - 3);
    const std::span<const std::uint8_t> dbf(data + 3, dbfLength);
    const std::span<const std::uint8_t> mdx(data + 3 + dbfLength, size - 3 - dbfLength);
    const auto ktemp = tv::fuzz::ScratchFolder() / "KTEMP";
    // Each step on its own copy: an error in one must not hide the others.
    PlaceTable(ktemp, name, dbf, mdx);
    try {
        ExerciseCursors(ktemp, name.c_str());
    } catch (const std::exception&) {
    }
    PlaceTable(ktemp, name, dbf, mdx);
    try {
        Extract(ktemp);
    } catch (const std::exception&) {
    }
    tv::tables::TakeUnsavedTableError();
    return 0;
}
