#include "cli/importar_check.h"

#include "cli/terminal.h"

#include "tables/user_text.h"
#include "tablorix_to_dae/timetable_check.h"

namespace tv::cli {

namespace t2d = tablorix_to_dae;

void AddCheckOptions(CLI::App& command, CheckOptions& options) {
    auto* checkOnly = command.add_flag(
        "--comprobar", options.checkOnly,
        "Solo comprobar: imprime los errores y avisos de fCUADROS.txt, una línea cada uno, y no lo escribe "
        "(sale con 0 sin nada que decir, 5 con errores, 6 con avisos solamente)");
    auto* writeAnyway = command.add_flag(
        "--escribir-igualmente", options.writeAnyway,
        "Escribir fCUADROS.txt aunque la comprobación encuentre errores que DAE no puede aceptar");
    checkOnly->excludes(writeAnyway);
    command.add_option("--informe", options.reportFile,
                       "Guardar el informe de la comprobación en este fichero CSV (UTF-8, separado por ';')");
    command.footer(
        "Códigos de salida: 0 hecho (con --comprobar: nada que decir); 2 error; 4 falta el documento "
        "de un profesor; 5 la comprobación encontró errores y no se escribe fCUADROS.txt; 6 con "
        "--comprobar, solo avisos.");
}

void ImportarCheck::Run(t2d::CodificationTables& tables, const std::filesystem::path& ktemp) {
    findings_ = t2d::CheckTimetable(tables, ktemp);
    ran_ = true;
    for (const auto& finding : findings_) {
        if (options_.checkOnly)
            PrintLine(t2d::ReportLine(finding));
        else
            PrintError(t2d::ReportLine(finding));
    }
    // A clean timetable adds nothing to a run that writes the file.
    if (options_.checkOnly || !findings_.empty()) PrintError(t2d::ReportSummary(findings_));
    if (!options_.reportFile.empty()) t2d::WriteReportCsv(options_.reportFile, findings_);
}

bool ImportarCheck::AllowsWriting() const {
    return options_.writeAnyway || !t2d::HasBlocking(findings_);
}

int ImportarCheck::CheckOnlyExitCode() const {
    if (t2d::HasBlocking(findings_)) return kExitBlockingFindings;
    return findings_.empty() ? 0 : kExitWarningsOnly;
}

std::string ImportarCheck::RefusalMessage() {
    return TV_TEXT(
        "Línea de órdenes",
        "No se escribe fCUADROS.txt: la comprobación ha encontrado errores que DAE no puede aceptar. Corríjalos en la codificación o en Tablorix, o escríbalo igualmente con --escribir-igualmente.");
}

} // namespace tv::cli
