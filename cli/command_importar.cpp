// transveloradae-cli importar: Tablorix -> DAE without windows. The template
// is accepted as built, the centre's data come from --centro when daeCENTRO is
// missing, the questions about earlier work tables are answered by
// --conservar / --nuevo and --solo-codificar, and the codification is accepted
// as it stands (after the documents of --documentos are typed in).
#include "cli/commands.h"
#include "cli/documents_csv.h"
#include "cli/importar_check.h"
#include "cli/importar_prompt.h"
#include "cli/terminal.h"

#include "common/ktemp.h"
#include "tables/cp1252.h"
#include "tables/file_names.h"
#include "tables/path_text.h"
#include "tables/text.h"
#include "tables/unsaved_tables.h"
#include "tables/user_text.h"
#include "tablorix_to_dae/codification_rules.h"
#include "tablorix_to_dae/crea_txt_cuadro_horario.h"
#include "tablorix_to_dae/import_centre.h"
#include "tablorix_to_dae/importar2.h"
#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/plantilla_centro.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace tv::cli {
namespace {

namespace t2d = tablorix_to_dae;

struct ImportarOptions {
    std::string dae;
    std::string ktemp;
    bool renew = false;
    bool codificationOnly = false;
    std::string centre;
    std::string documentsCsv;
    CheckOptions check;
};

constexpr int kExitDone = 0;
constexpr int kExitError = 2;
constexpr int kExitTeacherWithoutDocument = 4;

struct CentreData {
    std::string code;
    std::string year;
    std::string version;
};

// "CODCENTRO,ANOACAD,VERSION", each holding text, as the centre panel requires.
CentreData ParseCentre(const std::string& option) {
    std::vector<std::string> fields(1);
    for (char c : Utf8ToCp1252(option)) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    if (fields.size() != 3 || TrimBoth(fields[0]).empty() || TrimBoth(fields[1]).empty() ||
        TrimBoth(fields[2]).empty())
        throw std::runtime_error(TV_TEXT(
            "Línea de órdenes",
            "--centro: se esperaban tres datos no vacíos, CODCENTRO,ANOACAD,VERSION (por ejemplo 014725,2025,2526)"));
    return {fields[0], fields[1], fields[2]};
}

void PrintTeachersWithoutDocument(const std::vector<std::string>& teachers) {
    std::string list;
    for (const auto& teacher : teachers)
        list += (list.empty() ? "" : ", ") + teacher;
    PrintError(FormatText(
        teachers.size() == 1
            ? TV_TEXT(
                  "Línea de órdenes",
                  "No se escribe fCUADROS.txt: falta el documento (DNI) de este profesor: %1. Indíquelos con --documentos.")
            : TV_TEXT(
                  "Línea de órdenes",
                  "No se escribe fCUADROS.txt: falta el documento (DNI) de estos profesores: %1. Indíquelos con --documentos."),
        {list}));
}

int RunImportar(const ImportarOptions& options) {
    std::optional<CentreData> centre;
    if (!options.centre.empty()) centre = ParseCentre(options.centre);
    std::vector<TeacherDocument> documents;
    if (!options.documentsCsv.empty()) documents = ReadDocumentsCsv(options.documentsCsv);

    if (!options.ktemp.empty()) SetKtempOverride(options.ktemp);
    ImportarPrompt prompt(!options.renew, options.codificationOnly);
    WorkflowValues state;
    t2d::ImportContext context{prompt,      state, KtempFolder(),
                               options.dae, {},    t2d::CodificationStatus::Finished};

    std::error_code ec;
    if (!std::filesystem::is_directory(context.dirTxt, ec)) {
        prompt.Message(t2d::FolderMissing());
        return kExitError;
    }
    // Asked before anything is written: without the centre's data no file can be made.
    const bool centreMissing = !tables::FileExistsNoCase(context.ktemp, "daeCENTRO.DBF");
    if (centreMissing && !centre)
        throw std::runtime_error(FormatText(
            TV_TEXT(
                "Línea de órdenes",
                "No existe la tabla del centro (daeCENTRO.DBF) en %1: indique sus datos con --centro CODCENTRO,ANOACAD,VERSION"),
            {tables::PathText(context.ktemp)}));

    // Refused before the template or any work table changes.
    t2d::RefuseIfTimetableFileInUse(context.dirTxt);
    t2d::PlantillaCentro(context);
    if (t2d::AskForCentreDataIfMissing(context)) {
        t2d::StoreCentreData(context.ktemp, centre->code, centre->year, centre->version);
        t2d::CentreDataComplete(context);
    }

    bool written = false;
    std::vector<std::string> withoutDocument;
    ImportarCheck check(options.check);
    t2d::Importar2(context, [&](t2d::ImportContext& codification) {
        t2d::CodificationTables tables;
        tables.Open(codification.ktemp);
        TypeTeacherDocuments(tables, documents);
        withoutDocument = t2d::TeachersWithoutDocument(tables);
        if (options.check.checkOnly) return check.Run(tables, codification.ktemp);
        const auto outcome = t2d::Terminar(codification, tables, [&] {
            check.Run(tables, codification.ktemp);
            return check.AllowsWriting();
        });
        if (outcome == t2d::TerminarOutcome::KeepEditing) { // refused by the check
            codification.codificationStatus = t2d::CodificationStatus::NotFinished;
            codification.state.WorkflowState = WorkflowState::CodificationUnfinished;
        }
        written = codification.codificationStatus == t2d::CodificationStatus::Finished;
    });

    tables::ThrowIfUnsavedTable();
    if (options.check.checkOnly) return check.CheckOnlyExitCode();
    if (check.Ran() && !check.AllowsWriting()) {
        PrintError(ImportarCheck::RefusalMessage());
        return kExitBlockingFindings;
    }
    if (written) {
        PrintLine(
            FormatText(TV_TEXT("Línea de órdenes", "fCUADROS.txt escrito en %1"),
                       {tables::PathText(tables::ResolveFileName(context.daeFolder, t2d::kTimetableFile))}));
        return kExitDone;
    }
    if (prompt.AskedAboutDocuments()) {
        PrintTeachersWithoutDocument(withoutDocument);
        return kExitTeacherWithoutDocument;
    }
    return kExitError;
}

} // namespace

Command AddImportarCommand(CLI::App& app) {
    auto* command = app.add_subcommand(
        "importar",
        "Tablorix -> DAE: lee el horario resuelto (SOLUC) de KTEMP y escribe fCUADROS.txt en la carpeta DAE");
    auto options = std::make_shared<ImportarOptions>();
    command->add_option("--dae", options->dae, "Carpeta DAE, donde se escribe fCUADROS.txt")->required();
    command->add_option("--ktemp", options->ktemp, "Carpeta de las tablas (en lugar de KTEMP)");
    auto* keep = command->add_flag_callback(
        "--conservar", [options] { options->renew = false; },
        "Conservar los datos de la exportación anterior (CUADROH2/CUADROH3; por defecto)");
    auto* renew = command->add_flag("--nuevo", options->renew, "Crear de nuevo las tablas de trabajo");
    keep->excludes(renew);
    command->add_flag("--solo-codificar", options->codificationOnly,
                      "Con datos conservados: ir directamente a la codificación, sin leer el horario");
    command->add_option("--centro", options->centre,
                        "Datos del centro si falta daeCENTRO: CODCENTRO,ANOACAD,VERSION");
    command->add_option("--documentos", options->documentsCsv,
                        "Documentos de profesores para la codificación: líneas ABREV;TIPODNI;DNI en UTF-8");
    AddCheckOptions(*command, options->check);
    return {command, [options] { return RunImportar(*options); }};
}

} // namespace tv::cli
