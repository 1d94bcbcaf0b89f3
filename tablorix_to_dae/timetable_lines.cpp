#include "tablorix_to_dae/timetable_lines.h"

#include "tables/path_text.h"
#include "tables/table_error.h"
#include "tables/text.h"
#include "tables/user_text.h"

namespace tv::tablorix_to_dae {
namespace {

std::string PaddedTo(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// The field's text as AsString reads it, padded to `width` (cut or
// blank-filled) unless `width` is 0.
void AppendText(std::string& out, const tables::FieldSlot& field, const char* record, std::size_t width = 0) {
    const std::size_t start = out.size();
    field.AppendText(out, record);
    if (width != 0) out.resize(start + width, ' ');
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
      grupniv(t.Field("GRUPNIV")), plan(t.Field("PLAN")) {}

GroupLineFields::GroupLineFields(const tables::TableRows& t)
    : codgrupo(t.Field("CODGRUPO")), numsesgrup(t.Field("NUMSESGRUP")), numalum(t.Field("NUMALUM")),
      aliasdae(t.Field("ALIASDAE")) {}

void AppendClassLine(std::string& out, const ClassLineFields& f, const char* record) {
    out += '2';
    AppendText(out, f.tipdoc, record);
    AppendText(out, f.doc, record, 15);
    AppendText(out, f.numsesion, record);
    AppendText(out, f.diasem, record);
    AppendText(out, f.tiptar, record, 4);
    AppendText(out, f.horaini, record);
    AppendText(out, f.horafin, record);
    // The room, completed with zeros to 8.
    const std::size_t room = out.size();
    AppendText(out, f.aulaObs, record);
    out += "00000000";
    out.resize(room + 8);
    const std::size_t activity = out.size();
    AppendText(out, f.tipActiv, record);
    if (TrimControl(std::string_view(out).substr(activity)).empty()) {
        out.resize(activity);
        AppendText(out, f.codasig, record, 8);
        AppendText(out, f.tipasig, record, 1);
        AppendText(out, f.idioma, record, 2);
    } else {
        AppendText(out, f.grupniv, record);
        AppendText(out, f.plan, record);
    }
}

void AppendGroupLine(std::string& out, const GroupLineFields& f, const char* record) {
    out += '3';
    const std::size_t groupCode = out.size();
    AppendText(out, f.codgrupo, record, 8);
    out += "00";
    AppendText(out, f.numsesgrup, record);
    // The number of pupils, right-aligned in 4 with zeros (only its last 4 characters).
    const std::size_t pupils = out.size();
    out += "0000";
    AppendText(out, f.numalum, record);
    out.erase(pupils, out.size() - pupils - 4);
    AppendText(out, f.aliasdae, record, 50);
    out.append(out, groupCode, 8);
}

std::string ClassLine(const tables::Table& cuadroh2) {
    const tables::TableRows rows(cuadroh2);
    std::string line;
    AppendClassLine(line, ClassLineFields(rows), CurrentRecord(cuadroh2, rows));
    return line;
}

std::string GroupLine(const tables::Table& cuadroh3) {
    const tables::TableRows rows(cuadroh3);
    std::string line;
    AppendGroupLine(line, GroupLineFields(rows), CurrentRecord(cuadroh3, rows));
    return line;
}

} // namespace tv::tablorix_to_dae
