// AULAT: one row per room of AULAS.txt; the DAE room code, made unique among
// the rooms (letter case counting), is the room's abbreviation.
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/unique_codes.h"
#include "dae_to_tablorix/writers.h"
#include "dae_to_tablorix/writers_support.h"

#include "tables/table.h"
#include "tables/text.h"
#include "tables/user_text.h"
#include "tablorix_schema/table_names.h"

namespace tv::dae_to_tablorix {

namespace {

constexpr std::size_t kRecordLength = 61;
constexpr std::size_t kAbbreviationWidth = 10;
// Past this suffix the shortened candidates of an 8-character code only repeat.
constexpr long long kMaxSuffix = 10000;

tables::TableDecl RoomTableDecl() {
    return {{TextField("ABREV", 10), TextField("NOMBRE", 80), TextField("EDIFICIO", 1),
             IntegerField("MAXALUM"), TextField("ABREV_GEST", 10)},
            {"ABREV"}};
}

// An 8-character code with a number of three or more digits is too long: the
// 9th character and those past the 11th are dropped ('AULA0001' with 100
// gives 'AULA000100').
std::string ShortenedRoomCandidate(std::string_view base, long long suffix) {
    std::string candidate = UniqueCodes::AppendSuffix(base, suffix);
    if (candidate.size() <= kAbbreviationWidth) return candidate;
    return candidate.substr(0, 8) + candidate.substr(9, 2);
}

// The shortened candidates are compared with the set too, so that no two rooms
// share an abbreviation. Only when every shortened text is taken (more than a
// hundred rooms with one code) does the number decide alone, as a last resort.
std::string RoomAbbreviation(std::string_view code, UniqueCodes& abbreviations) {
    if (!abbreviations.Contains(code)) {
        abbreviations.Add(code);
        return std::string(code);
    }
    if (auto free = abbreviations.TakeSuffixed(code, kMaxSuffix)) return *free;
    long long suffix = 1;
    while (abbreviations.Contains(UniqueCodes::AppendSuffix(code, suffix)))
        ++suffix;
    std::string candidate = ShortenedRoomCandidate(code, suffix);
    abbreviations.Add(candidate);
    return candidate;
}

void WriteRoom(std::string_view record, UniqueCodes& abbreviations, tables::Table& rooms) {
    const std::string_view code = Cut(record, 1, 8);
    rooms.Append();
    rooms.SetString(schema::kAbbreviationField, RoomAbbreviation(code, abbreviations));
    rooms.SetString("NOMBRE", Cut(record, 9, 50));
    SetIntegerFromText(rooms, "MAXALUM", Cut(record, 59, 3));
    rooms.SetString("ABREV_GEST", code);
    rooms.Post();
}

} // namespace

void CreaAulas(ExportContext& context) {
    const auto file =
        FindDaeFile(context, "AULAS.txt", TV_TEXT("Exportar", "No existe archivo DAE de Aulas (AULAS.txt)"));
    if (!file) return;
    const FirstLine firstLine(*file);
    const std::string_view line = firstLine.Text();
    tables::Table::Create(context.ktemp, schema::kRoomTable, RoomTableDecl());
    tables::Table rooms;
    rooms.Open(context.ktemp, schema::kRoomTable);
    UniqueCodes abbreviations(LetterCase::Sensitive, &ShortenedRoomCandidate);
    for (const std::string_view record : SplitRecords(line, kRecordLength))
        WriteRoom(record, abbreviations, rooms);
    rooms.Close();
}

} // namespace tv::dae_to_tablorix
