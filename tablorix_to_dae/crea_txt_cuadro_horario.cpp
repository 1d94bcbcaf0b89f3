#include "tablorix_to_dae/crea_txt_cuadro_horario.h"

#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/timetable_lines.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/atomic_file.h"
#include "tables/file_names.h"
#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/table_files.h"
#include "tables/table_rows.h"
#include "tables/unsaved_tables.h"
#include "tables/user_text.h"
#include "tablorix_schema/centre_table.h"

#include <cstdint>
#include <span>

namespace tv::tablorix_to_dae {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Typical line lengths, so that the content is reserved once.
constexpr std::size_t kClassLineBytes = 64;
constexpr std::size_t kGroupLineBytes = 96;

} // namespace

std::string TimetableFileContent(CodificationTables& tables) {
    tables.centre.First();
    std::string content = HeaderLine(tables.centre.AsString(schema::kCentreCodeField),
                                     tables.centre.AsString(schema::kAcademicYearField));
    content += kLineEnd;

    // Every teacher's records, in key order. Unlinking the cursors also stores
    // an edit in progress.
    tables.classes.SetMasterSource(nullptr, "");
    tables.groups.SetMasterSource(nullptr, "");
    tables.groups.SetFiltered(false);
    const tables::TableRows classes(tables.classes);
    const tables::TableRows groups(tables.groups);
    const ClassLineFields classFields(classes);
    const GroupLineFields groupFields(groups);
    const tables::FieldSlot classKey = classes.Field("PROF_DIA_SES");
    const tables::FieldSlot groupKey = groups.Field("PROF_DIA_SES");
    const std::vector<std::uint32_t>& classOrder = classes.Order("PROF_DIA_SES");
    const std::vector<std::uint32_t>& groupOrder = groups.Order("PROF_DIA_SES");
    content.reserve(content.size() + classOrder.size() * kClassLineBytes +
                    groupOrder.size() * kGroupLineBytes);

    // The groups go through the same order once, beside the classes: the
    // records of each key are those a filter on the key would show, without
    // searching for each class. Keys compare as their index compares them:
    // the field's bytes, NULs read as blanks.
    const auto key = [](const tables::FieldSlot& field, const char* record) {
        std::string bytes(field.Bytes(record));
        bytes.resize(kKeyWidth, ' ');
        for (char& c : bytes)
            if (c == '\0') c = ' ';
        return bytes;
    };
    std::size_t g = 0;
    const auto skipDeletedGroups = [&] {
        while (g < groupOrder.size() && groups.IsDeleted(groupOrder[g]))
            ++g;
    };
    skipDeletedGroups();
    for (const std::uint32_t c : classOrder) {
        if (classes.IsDeleted(c)) continue;
        const char* record = classes.Record(c);
        AppendClassLine(content, classFields, record);
        content += kLineEnd;
        const std::string classKeyText = key(classKey, record);
        while (g < groupOrder.size() && key(groupKey, groups.Record(groupOrder[g])) < classKeyText) {
            ++g;
            skipDeletedGroups();
        }
        for (; g < groupOrder.size() && key(groupKey, groups.Record(groupOrder[g])) == classKeyText;
             skipDeletedGroups()) {
            AppendGroupLine(content, groupFields, groups.Record(groupOrder[g]));
            content += kLineEnd;
            ++g;
        }
    }
    tables.Link();
    return content;
}

void RefuseIfTimetableFileInUse(const std::filesystem::path& daeFolder) {
    const std::filesystem::path file = tables::ResolveFileName(daeFolder, kTimetableFile);
    if (tables::HeldElsewhere(file))
        throw tables::TableError(FormatText(
            TV_TEXT("Importar", "El archivo '%1' está en uso por otro programa; no se ha cambiado nada."),
            {tables::FileNameText(file)}));
}

TimetableWrite CreaTXTCuadroHorario(ImportContext& context, CodificationTables& tables) {
    std::error_code ec;
    if (!std::filesystem::is_directory(context.daeFolder, ec)) {
        context.prompt.Message(FolderMissing());
        context.codificationStatus = kCodificationNotFinished;
        return TimetableWrite::FolderMissing;
    }
    const std::string content = TimetableFileContent(tables);
    try {
        const std::filesystem::path file = tables::ResolveFileName(context.daeFolder, kTimetableFile);
        RefuseIfTimetableFileInUse(context.daeFolder);
        // The work tables the file comes from are on the disk before the
        // file is replaced: a failure after it never loses the codes typed.
        for (tables::Table* table : {&tables.teachers, &tables.classes, &tables.groups})
            table->Flush();
        tables::ThrowIfUnsavedTable();
        tables::WriteFileAtomically(
            file, std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()));
    } catch (const tables::TableError& error) {
        context.prompt.Message(error.what());
        context.codificationStatus = kCodificationNotFinished;
        return TimetableWrite::Failed;
    }
    return TimetableWrite::Written;
}

} // namespace tv::tablorix_to_dae
