// transveloradae-cli exportar: DAE -> Tablorix without windows. The answers
// the window would ask for come from the options: the centre panel accepted
// as read (with --version), the language box text, public or private centre,
// the recovery of earlier level abbreviations, abbreviations typed from a CSV
// file, and the chosen template.
#include "cli/cli_prompt.h"
#include "cli/commands.h"
#include "cli/export_summary.h"
#include "cli/levels_csv.h"

#include "common/ktemp.h"
#include "common/workflow_values.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/datos_nivel.h"
#include "dae_to_tablorix/final_recogida.h"
#include "dae_to_tablorix/recoge_datos_dae.h"
#include "dae_to_tablorix/template_heads.h"
#include "dae_to_tablorix/transfer_run.h"
#include "tables/cp1252.h"
#include "tables/unsaved_tables.h"
#include "tables/user_text.h"
#include "tables/write_batch.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace tv::cli {
namespace {

struct ExportarOptions {
    std::string dae;
    std::string ktemp;
    std::string language = "EUSKERA";
    bool privateCentre = false;
    std::string version;
    std::string levelsCsv;
    bool discardLevels = false;
    std::optional<std::string> templateCode;
};

constexpr int kExitDone = 0;
constexpr int kExitMissingFile = 1;
constexpr int kExitRepeatedAbbreviation = 3;

int ExitCodeFor(const WorkflowValues& state) {
    return state.TransformResult == TransformResult::DaeFileMissing ? kExitMissingFile : kExitDone;
}

// The CODIGO of the chosen daePLANTILLAS row: the one named, or the first.
// With no rows the window's grid starts an empty one, whose code is empty.
std::string ChooseTemplate(const std::filesystem::path& ktemp, const std::optional<std::string>& wanted) {
    const auto heads = dae_to_tablorix::ReadTemplateHeads(ktemp);
    if (!wanted) return heads.empty() ? std::string() : heads.front().code;
    for (const auto& head : heads)
        if (head.code == *wanted) return head.code;
    std::string known;
    for (const auto& head : heads)
        known += (known.empty() ? "" : ", ") + head.code;
    if (known.empty())
        throw std::runtime_error(FormatText(
            TV_TEXT("Línea de órdenes",
                    "--plantilla: no hay ninguna plantilla con el código '%1' (plantillas: ninguna)"),
            {*wanted}));
    throw std::runtime_error(
        FormatText(TV_TEXT("Línea de órdenes",
                           "--plantilla: no hay ninguna plantilla con el código '%1' (plantillas: %2)"),
                   {*wanted, known}));
}

// The centre panel accepted, the levels, and the transfer; the exit code.
int RunRestOfExportar(dae_to_tablorix::ExportContext& context, const std::string& version,
                      const std::vector<LevelAbbreviations>& levels, const std::string& chosenTemplate) {
    dae_to_tablorix::AcceptCentreData(context, version);
    if (!dae_to_tablorix::DatosNivel(context)) return ExitCodeFor(context.state);
    ApplyLevelAbbreviations(context.ktemp, levels);
    if (!dae_to_tablorix::FinalRecogida(context)) return kExitRepeatedAbbreviation;
    dae_to_tablorix::TransferRun(context, chosenTemplate);
    return ExitCodeFor(context.state);
}

int RunExportar(const ExportarOptions& options) {
    // Option texts arrive in UTF-8; the steps work in Windows-1252.
    const std::string language = Utf8ToCp1252(options.language);
    const std::string version = Utf8ToCp1252(options.version);
    std::optional<std::string> templateCode;
    if (options.templateCode) templateCode = Utf8ToCp1252(*options.templateCode);
    std::vector<LevelAbbreviations> levels;
    if (!options.levelsCsv.empty()) levels = ReadLevelsCsv(options.levelsCsv);

    if (!options.ktemp.empty()) SetKtempOverride(options.ktemp);
    CliPrompt prompt(!options.discardLevels);
    WorkflowValues state;
    dae_to_tablorix::ExportContext context{prompt,      state,    KtempFolder(),
                                           options.dae, language, options.privateCentre};
    const ExportSummary summary(context.ktemp);
    // What the run wrote is listed only once every table is known to be on disk.
    const auto finish = [&summary](int exitCode) {
        tables::ThrowIfUnsavedTable();
        summary.Print();
        return exitCode;
    };

    std::error_code ec;
    if (!std::filesystem::is_directory(context.dirTxt, ec)) {
        prompt.Message(TV_TEXT("Línea de órdenes", "No existe la carpeta"));
        state.TransformResult = TransformResult::DaeFileMissing; // as when Tablorix starts the tool
        return ExitCodeFor(state);
    }
    state.TransformResult = TransformResult::DirectionRan;

    if (!dae_to_tablorix::RecogeDatosDAE(context)) {
        return finish(ExitCodeFor(state));
    }
    // A template code that is not offered stops the run before anything is saved.
    const std::string chosenTemplate = ChooseTemplate(context.ktemp, templateCode);
    int exitCode = kExitDone;
    {
        // Nobody answers in between: the rest of the run's tables reach the
        // disk together, each whole or as it was.
        tables::WriteBatch batch;
        exitCode = RunRestOfExportar(context, version, levels, chosenTemplate);
        batch.Commit();
    }
    return finish(exitCode);
}

} // namespace

Command AddExportarCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "exportar", "DAE -> Tablorix: lee la carpeta DAE y escribe las tablas de Tablorix en KTEMP");
    auto options = std::make_shared<ExportarOptions>();
    command->add_option("--dae", options->dae, "Carpeta con los ficheros TXT de DAE")->required();
    command->add_option("--ktemp", options->ktemp, "Carpeta de las tablas (en lugar de KTEMP)");
    command
        ->add_option("--idioma", options->language,
                     "Texto del cuadro de idioma; solo \"EUSKERA\" toma los textos en euskera")
        ->capture_default_str();
    command->add_flag("--privado", options->privateCentre, "Centro PRIVADO o CONCERTADO (registros de 599)");
    command->add_option("--version", options->version, "Versión de los datos del centro (VERSION)");
    command->add_option("--niveles", options->levelsCsv,
                        "Abreviaturas de los niveles: líneas COD;ABREVCAST;ABREVEUSK en UTF-8");
    auto* recover = command->add_flag_callback(
        "--recuperar-niveles", [options] { options->discardLevels = false; },
        "Recuperar las abreviaturas guardadas en daeNIVIMP2 (por defecto)");
    auto* discard = command->add_flag("--descartar-niveles", options->discardLevels,
                                      "Borrar daeNIVIMP2 en lugar de recuperarlo");
    recover->excludes(discard);
    command->add_option("--plantilla", options->templateCode,
                        "Código de la plantilla horaria (por defecto, la primera)");
    return {command, [options] { return RunExportar(*options); }};
}

} // namespace tv::cli
