#include "dae_to_tablorix/transfer_run.h"

#include "dae_to_tablorix/day_hour_table.h"
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/template_file.h"
#include "dae_to_tablorix/template_hours.h"
#include "dae_to_tablorix/writers.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tables/user_text.h"
#include "tables/write_batch.h"

#include <string>

namespace tv::dae_to_tablorix {
namespace {

void WriteDayHourTable(const std::filesystem::path& ktemp, std::string_view templateLine,
                       std::string_view chosenCode) {
    const TemplateHours hours = FindTemplateHours(templateLine, chosenCode);
    CreateDayHourTable(ktemp);
    tables::Table table;
    table.Open(ktemp, kDayHourTable);
    std::string dayName;
    try {
        for (const std::string_view hourLine : hours.lines)
            AppendHourRow(table, hourLine, hours.code, dayName);
    } catch (...) {
        table.Close(); // the rows appended so far stay
        throw;
    }
    table.Close();
}

} // namespace

TransferOutcome TransferRun(ExportContext& context, std::string_view chosenCode,
                            const std::function<void()>& beforeFinalMessage) {
    if (!tables::FileExistsNoCase(context.ktemp, "daePLANTILLAS.DBF"))
        return TransferOutcome::NoTemplateTable;

    const auto templateFile = FindTemplateFile(context.dirTxt);
    if (!templateFile) {
        ShowTemplateFileMissing(context.prompt);
        return TransferOutcome::NoTemplateFile;
    }
    {
        // The step's tables reach the disk together, each whole or as it was.
        tables::WriteBatch batch;
        WriteDayHourTable(context.ktemp, ReadFirstLine(*templateFile), chosenCode);
        // Fixed order: groups read PROFT; assignments read GRUPOST and ASIGNOMT.
        CreaAsignaturas(context);
        CreaProfesores(context);
        CreaAulas(context);
        CreaGrupos(context);
        CreaAsignaciones(context);
        batch.Commit();
    }

    if (beforeFinalMessage) beforeFinalMessage();
    context.prompt.Message(TV_TEXT("Exportar", "Proceso finalizado"));
    return TransferOutcome::Finished;
}

} // namespace tv::dae_to_tablorix
