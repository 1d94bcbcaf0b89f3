#include "tablorix_to_dae/crea_txt_cuadro_horario.h"

#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/timetable_lines.h"

#include "tables/atomic_file.h"
#include "tables/file_names.h"
#include "tables/table_error.h"

#include <cstdint>
#include <span>

namespace tv::tablorix_to_dae {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string QuotedForFilter(std::string_view value) {
    std::string quoted = "'";
    for (const char c : value) {
        quoted += c;
        if (c == '\'') quoted += c;
    }
    return quoted + "'";
}

} // namespace

std::string TimetableFileContent(CodificationTables& tables) {
    tables.centre.First();
    std::string content = HeaderLine(tables.centre.AsString("CODCENTRO"), tables.centre.AsString("ANOACAD"));
    content += kLineEnd;

    tables::Table& classes = tables.classes;
    tables::Table& groups = tables.groups;
    // Unlinking the teachers' records from the teachers also unlinks the
    // groups from them: link the groups again, so each class shows its own.
    classes.SetMasterSource(nullptr, "");
    classes.SetIndexName("PROF_DIA_SES");
    groups.SetMasterSource(&classes, "PROF_DIA_SES");
    for (classes.First(); !classes.Eof(); classes.Next()) {
        content += ClassLine(classes);
        content += kLineEnd;
        const std::string key = classes.AsString("PROF_DIA_SES");
        groups.SetFiltered(false);
        groups.SetFilter("PROF_DIA_SES = " + QuotedForFilter(key));
        groups.SetFiltered(true);
        for (groups.First(); !groups.Eof(); groups.Next()) {
            if (groups.AsString("PROF_DIA_SES") != key) break;
            content += GroupLine(groups);
            content += kLineEnd;
        }
    }
    return content;
}

bool CreaTXTCuadroHorario(ImportContext& context, CodificationTables& tables) {
    std::error_code ec;
    if (!std::filesystem::is_directory(context.daeFolder, ec)) {
        context.prompt.Message(kFolderMissing);
        context.codificationStatus = kCodificationNotFinished;
        return false;
    }
    const std::string content = TimetableFileContent(tables);
    try {
        tables::WriteFileAtomically(
            tables::ResolveFileName(context.daeFolder, kTimetableFile),
            std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
    } catch (const tables::TableError& error) {
        context.prompt.Message(error.what());
        context.codificationStatus = kCodificationNotFinished;
        return false;
    }
    return true;
}

} // namespace tv::tablorix_to_dae
