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

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>

namespace tv::tablorix_to_dae {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Every teacher's records, in key order. Unlinking the cursors also stores
// an edit in progress.
void UnlinkWorkTables(CodificationTables& tables) {
    tables.classes.SetMasterSource(nullptr, "");
    tables.groups.SetMasterSource(nullptr, "");
    tables.groups.SetFiltered(false);
}

// The lines are handed on in pieces of about this size.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

} // namespace

void WriteTimetableFileContent(CodificationTables& tables,
                               const std::function<void(std::string_view)>& write) {
    tables.centre.First();
    const std::string header = HeaderLine(tables.centre.AsString(schema::kCentreCodeField),
                                          tables.centre.AsString(schema::kAcademicYearField));

    UnlinkWorkTables(tables);
    const tables::TableRows classes(tables.classes);
    const tables::TableRows groups(tables.groups);
    const ClassLineFields classFields(classes);
    const GroupLineFields groupFields(groups);
    const tables::FieldSlot classKey = classes.Field("PROF_DIA_SES");
    const tables::FieldSlot groupKey = groups.Field("PROF_DIA_SES");
    const std::vector<std::uint32_t>& classOrder = classes.Order("PROF_DIA_SES");
    const std::vector<std::uint32_t>& groupOrder = groups.Order("PROF_DIA_SES");

    // The lines are written in place into a piece with room for the longest
    // line beyond its size; a full piece is handed on.
    const std::size_t longestLine =
        std::max({header.size(), classFields.longestLine, groupFields.longestLine}) + kLineEnd.size();
    std::string piece(kPieceBytes + longestLine, ' ');
    char* const full = piece.data() + kPieceBytes;
    char* at = std::copy(header.begin(), header.end(), piece.data());
    const auto endLine = [&] {
        at = std::copy(kLineEnd.begin(), kLineEnd.end(), at);
        if (at >= full) {
            write(std::string_view(piece.data(), static_cast<std::size_t>(at - piece.data())));
            at = piece.data();
        }
    };
    endLine();

    // The groups go through the same order once, beside the classes: the
    // records of each key are those a filter on the key would show, without
    // searching for each class. Keys compare as their index compares them:
    // the field's bytes, unsigned (as views compare), NULs read as blanks.
    using Key = std::array<char, kKeyWidth>;
    const auto key = [](const tables::FieldSlot& field, const char* record) {
        const std::string_view bytes = field.Bytes(record);
        Key k;
        k.fill(' ');
        std::memcpy(k.data(), bytes.data(), std::min(bytes.size(), k.size()));
        std::replace(k.begin(), k.end(), '\0', ' ');
        return k;
    };
    const auto text = [](const Key& k) { return std::string_view(k.data(), k.size()); };
    std::size_t g = 0;
    Key groupKeyText{}; // of the group at g
    const auto settleGroup = [&] {
        while (g < groupOrder.size() && groups.IsDeleted(groupOrder[g]))
            ++g;
        if (g < groupOrder.size()) groupKeyText = key(groupKey, groups.Record(groupOrder[g]));
    };
    settleGroup();
    for (const std::uint32_t c : classOrder) {
        if (classes.IsDeleted(c)) continue;
        const char* record = classes.Record(c);
        at = PutClassLine(at, classFields, record);
        endLine();
        const Key classKeyText = key(classKey, record);
        while (g < groupOrder.size() && text(groupKeyText) < text(classKeyText)) {
            ++g;
            settleGroup();
        }
        while (g < groupOrder.size() && text(groupKeyText) == text(classKeyText)) {
            at = PutGroupLine(at, groupFields, groups.Record(groupOrder[g]));
            endLine();
            ++g;
            settleGroup();
        }
    }
    write(std::string_view(piece.data(), static_cast<std::size_t>(at - piece.data())));
    tables.Link();
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
        context.codificationStatus = CodificationStatus::NotFinished;
        return TimetableWrite::FolderMissing;
    }
    // Edits in progress are stored before the tables go to the disk.
    UnlinkWorkTables(tables);
    try {
        const std::filesystem::path file = tables::ResolveFileName(context.daeFolder, kTimetableFile);
        RefuseIfTimetableFileInUse(context.daeFolder);
        // The work tables the file comes from are on the disk before the
        // file is replaced: a failure after it never loses the codes typed.
        for (tables::Table* table : {&tables.teachers, &tables.classes, &tables.groups})
            table->Flush();
        tables::ThrowIfUnsavedTable();
        // Written as it is made, never whole in memory.
        tables::AtomicFileWriter out(file);
        WriteTimetableFileContent(tables, [&](std::string_view piece) {
            out.Write(std::span(reinterpret_cast<const std::uint8_t*>(piece.data()), piece.size()));
        });
        out.Commit();
    } catch (const tables::TableError& error) {
        tables.Link();
        context.prompt.Message(error.what());
        context.codificationStatus = CodificationStatus::NotFinished;
        return TimetableWrite::Failed;
    }
    return TimetableWrite::Written;
}

} // namespace tv::tablorix_to_dae
