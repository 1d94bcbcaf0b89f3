// Feeds one DAE file of the sample school's folder, replaced by arbitrary
// bytes, to a whole DAE -> Tablorix run: the record line, the nine code lists,
// profesorado.txt (head and teachers), AULAS.txt, the GRUPOS.txt walk,
// V55T15W18T54_2.txt and the template heads and hours of PLANTILLAS.txt.
// Every step must end with data or an error, never a crash or undefined behaviour.
//
// Input: the first byte picks the file (modulo their number), the rest is its content.
#include "fuzz/fuzz_support.h"

#include "cli/levels_csv.h"

#include "common/workflow_values.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/datos_nivel.h"
#include "dae_to_tablorix/final_recogida.h"
#include "dae_to_tablorix/recoge_datos_dae.h"
#include "dae_to_tablorix/template_heads.h"
#include "dae_to_tablorix/transfer_run.h"
#include "tables/unsaved_tables.h"

#include <array>
#include <exception>

namespace {

constexpr std::array<const char*, 14> kFiles = {"T13.txt",
                                                "V55T12.txt",
                                                "V55T35.txt",
                                                "V55T15W18T54_1.txt",
                                                "T07.txt",
                                                "V55T86.txt",
                                                "V55T11.txt",
                                                "V55T14.txt",
                                                "T55.txt",
                                                "profesorado.txt",
                                                "AULAS.txt",
                                                "GRUPOS.txt",
                                                "V55T15W18T54_2.txt",
                                                "PLANTILLAS.txt"};

void RunExport(const std::filesystem::path& dae, const std::filesystem::path& ktemp) {
    using namespace tv::dae_to_tablorix;
    tv::fuzz::AnsweringPrompt prompt;
    tv::WorkflowValues state;
    ExportContext context{prompt, state, ktemp, dae, "EUSKERA", false};
    if (!RecogeDatosDAE(context)) return;
    const auto heads = ReadTemplateHeads(ktemp);
    AcceptCentreData(context, "2526");
    if (!DatosNivel(context)) return;
    tv::cli::ApplyLevelAbbreviations(ktemp, tv::cli::ReadLevelsCsv(tv::fuzz::SampleSchool() / "niveles.csv"));
    if (!FinalRecogida(context)) return;
    TransferRun(context, heads.empty() ? std::string() : heads.front().code);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto& scratch = tv::fuzz::ScratchFolder();
    const auto dae = scratch / "DAE";
    const auto ktemp = scratch / "KTEMP";
    tv::fuzz::CopyFolder(tv::fuzz::SampleSchool() / "DAE", dae);
    std::filesystem::remove_all(ktemp);
    std::filesystem::create_directories(ktemp);
    tv::fuzz::WriteFile(dae / kFiles[data[0] % kFiles.size()], {data + 1, size - 1});
    try {
        RunExport(dae, ktemp);
    } catch (const std::exception&) {
        // An error with its message is a fine answer to bad input.
    }
    tv::tables::TakeUnsavedTableError();
    return 0;
}
