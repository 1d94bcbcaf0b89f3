#include "tablorix_to_dae/crea_txt_cuadro_horario.h"

#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/timetable_lines.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/atomic_file.h"
#include "tables/file_names.h"
#include "tables/table_error.h"

#include <cstdint>
#include <span>

namespace tv::tablorix_to_dae {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A key as its index compares it: padded to the field's 13 characters, byte by byte.
std::string KeyField(std::string key) {
    key.resize(kKeyWidth, ' ');
    return key;
}

} // namespace

std::string TimetableFileContent(CodificationTables& tables) {
    tables.centre.First();
    std::string content = HeaderLine(tables.centre.AsString("CODCENTRO"), tables.centre.AsString("ANOACAD"));
    content += kLineEnd;

    tables::Table& classes = tables.classes;
    tables::Table& groups = tables.groups;
    // Every teacher's records, in key order. The groups go through the same
    // order once, beside them: the records of each key are those a filter on
    // the key would show, without searching for each class.
    classes.SetMasterSource(nullptr, "");
    classes.SetIndexName("PROF_DIA_SES");
    groups.SetMasterSource(nullptr, "");
    groups.SetFiltered(false);
    groups.SetIndexName("PROF_DIA_SES");
    groups.First();
    for (classes.First(); !classes.Eof(); classes.Next()) {
        content += ClassLine(classes);
        content += kLineEnd;
        const std::string key = KeyField(classes.AsString("PROF_DIA_SES"));
        while (!groups.Eof() && KeyField(groups.AsString("PROF_DIA_SES")) < key)
            groups.Next();
        for (; !groups.Eof() && KeyField(groups.AsString("PROF_DIA_SES")) == key; groups.Next()) {
            content += GroupLine(groups);
            content += kLineEnd;
        }
    }
    tables.Link();
    return content;
}

TimetableWrite CreaTXTCuadroHorario(ImportContext& context, CodificationTables& tables) {
    std::error_code ec;
    if (!std::filesystem::is_directory(context.daeFolder, ec)) {
        context.prompt.Message(kFolderMissing);
        context.codificationStatus = kCodificationNotFinished;
        return TimetableWrite::FolderMissing;
    }
    const std::string content = TimetableFileContent(tables);
    try {
        tables::WriteFileAtomically(
            tables::ResolveFileName(context.daeFolder, kTimetableFile),
            std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
    } catch (const tables::TableError& error) {
        context.prompt.Message(error.what());
        context.codificationStatus = kCodificationNotFinished;
        return TimetableWrite::Failed;
    }
    return TimetableWrite::Written;
}

} // namespace tv::tablorix_to_dae
