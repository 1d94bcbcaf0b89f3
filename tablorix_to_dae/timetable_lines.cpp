#include "tablorix_to_dae/timetable_lines.h"

#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>

namespace tv::tablorix_to_dae {
namespace {

std::string PaddedTo(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// Upper bound of what PutText writes for `field`: a character field gives at
// most its bytes; the text of another type is never longer than this.
constexpr std::size_t kLongestOtherText = 40;

std::size_t LongestText(const tables::FieldSlot& field, std::size_t width = 0) {
    if (width != 0) return width;
    return field.def->type == 'C' ? static_cast<std::size_t>(field.def->length)
                                  : std::max<std::size_t>(field.def->length, kLongestOtherText);
}

// The field's text as AsString reads it, written at `at`: padded to `width`
// (cut or blank-filled) unless `width` is 0. A character field is copied from
// its bytes: trailing blanks and NULs dropped, NULs inside read as blanks.
char* PutText(char* at, const tables::FieldSlot& field, const char* record, std::size_t width = 0) {
    if (field.def->type != 'C') {
        std::string text = field.Text(record);
        if (width != 0) text.resize(width, ' ');
        text.resize(std::min(text.size(), LongestText(field, width)));
        return std::copy(text.begin(), text.end(), at);
    }
    const std::string_view text =
        width == 0 ? field.TrimmedBytes(record) : field.Bytes(record).substr(0, width);
    const char* bytes = text.data();
    const std::size_t length = text.size();
    if (length > 16) { // an alias or a name: copied at once, its rare NULs then found
        std::memcpy(at, bytes, length);
        if (std::memchr(at, '\0', length)) std::replace(at, at + length, '\0', ' ');
    } else {
        for (std::size_t i = 0; i < length; ++i)
            at[i] = bytes[i] == '\0' ? ' ' : bytes[i];
    }
    for (std::size_t i = length; i < width; ++i)
        at[i] = ' ';
    return at + std::max(length, width);
}

const char* CurrentRecord(const tables::Table& table, const tables::TableRows& rows) {
    if (table.RecNo() == 0)
        throw tables::TableError(FormatText(TV_TEXT("Tablas", "La tabla '%1' está vacía."),
                                            {tables::FileNameText(table.FilePath())}));
    return rows.Record(table.RecNo());
}

} // namespace

std::string HeaderLine(std::string_view centreCode, std::string_view academicYear) {
    return "1CH" + PaddedTo(std::string(centreCode), 6) + PaddedTo(std::string(academicYear), 4);
}

ClassLineFields::ClassLineFields(const tables::TableRows& t)
    : tipdoc(t.Field("TIPDOC")), doc(t.Field("DOC")), numsesion(t.Field("NUMSESION")),
      diasem(t.Field("DIASEM")), tiptar(t.Field("TIPTAR")), horaini(t.Field("HORAINI")),
      horafin(t.Field("HORAFIN")), aulaObs(t.Field("AULA_OBS")), tipActiv(t.Field("TIP_ACTIV")),
      codasig(t.Field("CODASIG")), tipasig(t.Field("TIPASIG")), idioma(t.Field("IDIOMA")),
      grupniv(t.Field("GRUPNIV")), plan(t.Field("PLAN")) {
    longestLine = 1 + LongestText(tipdoc) + LongestText(doc, 15) + LongestText(numsesion) +
                  LongestText(diasem) + LongestText(tiptar, 4) + LongestText(horaini) + LongestText(horafin) +
                  std::max<std::size_t>(LongestText(aulaObs), 8) + LongestText(tipActiv) +
                  std::max(LongestText(codasig, 8) + LongestText(tipasig, 1) + LongestText(idioma, 2),
                           LongestText(grupniv) + LongestText(plan));
}

GroupLineFields::GroupLineFields(const tables::TableRows& t)
    : codgrupo(t.Field("CODGRUPO")), numsesgrup(t.Field("NUMSESGRUP")), numalum(t.Field("NUMALUM")),
      aliasdae(t.Field("ALIASDAE")) {
    longestLine = 1 + LongestText(codgrupo, 8) + 2 + LongestText(numsesgrup) +
                  std::max<std::size_t>(LongestText(numalum), 4) + LongestText(aliasdae, 50) + 8;
}

char* PutClassLine(char* at, const ClassLineFields& f, const char* record) {
    *at++ = '2';
    at = PutText(at, f.tipdoc, record);
    at = PutText(at, f.doc, record, 15);
    at = PutText(at, f.numsesion, record);
    at = PutText(at, f.diasem, record);
    at = PutText(at, f.tiptar, record, 4);
    at = PutText(at, f.horaini, record);
    at = PutText(at, f.horafin, record);
    // The room, completed with zeros to 8.
    char* const room = at;
    at = PutText(at, f.aulaObs, record);
    std::fill(at, std::max(at, room + 8), '0');
    at = room + 8;
    char* const activity = at;
    at = PutText(at, f.tipActiv, record);
    if (std::all_of(activity, at, [](char c) { return static_cast<unsigned char>(c) <= 0x20; })) {
        at = PutText(activity, f.codasig, record, 8);
        at = PutText(at, f.tipasig, record, 1);
        at = PutText(at, f.idioma, record, 2);
    } else {
        at = PutText(at, f.grupniv, record);
        at = PutText(at, f.plan, record);
    }
    return at;
}

char* PutGroupLine(char* at, const GroupLineFields& f, const char* record) {
    *at++ = '3';
    char* const groupCode = at;
    at = PutText(at, f.codgrupo, record, 8);
    *at++ = '0';
    *at++ = '0';
    at = PutText(at, f.numsesgrup, record);
    // The number of pupils, right-aligned in 4 with zeros (only its last 4 characters).
    char* const pupils = at;
    at = PutText(at, f.numalum, record);
    const auto digits = static_cast<std::size_t>(at - pupils);
    if (digits >= 4) {
        std::memmove(pupils, at - 4, 4);
        at = pupils + 4;
    } else {
        std::copy_backward(pupils, at, pupils + 4);
        std::fill(pupils, pupils + (4 - digits), '0');
        at = pupils + 4;
    }
    at = PutText(at, f.aliasdae, record, 50);
    return std::copy(groupCode, groupCode + 8, at);
}

std::string ClassLine(const tables::Table& cuadroh2) {
    const tables::TableRows rows(cuadroh2);
    const ClassLineFields fields(rows);
    std::string line(fields.longestLine, ' ');
    line.resize(static_cast<std::size_t>(PutClassLine(line.data(), fields, CurrentRecord(cuadroh2, rows)) -
                                         line.data()));
    return line;
}

std::string GroupLine(const tables::Table& cuadroh3) {
    const tables::TableRows rows(cuadroh3);
    const GroupLineFields fields(rows);
    std::string line(fields.longestLine, ' ');
    line.resize(static_cast<std::size_t>(PutGroupLine(line.data(), fields, CurrentRecord(cuadroh3, rows)) -
                                         line.data()));
    return line;
}

} // namespace tv::tablorix_to_dae
