#include "tablorix_to_dae/soluc_reader.h"

#include "tables/conversion_error.h"
#include "tables/table.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <cstdint>
#include <stdexcept>

namespace tv::tablorix_to_dae {

namespace {

// The field's text as AsString reads it: a view of the record's bytes when
// that is the text, else a text of its own kept in `texts`.
std::string_view TextOf(const tables::FieldSlot& field, const char* record, std::deque<std::string>& texts) {
    if (field.def->type == 'C') {
        std::string_view bytes = field.Bytes(record);
        while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == '\0'))
            bytes.remove_suffix(1);
        if (bytes.find('\0') == std::string_view::npos) return bytes;
    }
    std::string& text = texts.emplace_back();
    field.AppendText(text, record);
    return text;
}

} // namespace

SolucTimetable ReadSoluc(const std::filesystem::path& ktemp) {
    SolucTimetable timetable;
    timetable.table.Open(ktemp, kSolutionTable, tables::OpenMode::Exclusive);
    const tables::TableRows rows(timetable.table);
    const tables::FieldSlot prof = rows.Field("PROF"), dia = rows.Field("DIA"), hora = rows.Field("HORA"),
                            sesiones = rows.Field("SESIONES"), asig = rows.Field("ASIG"),
                            codgrupo = rows.Field("CODGRUPO"), aula = rows.Field("AULA"),
                            nalum = rows.Field("NALUM"), tarea = rows.Field("TAREA");
    timetable.classes.reserve(rows.RecordCount());
    for (std::uint32_t r = 1; r <= rows.RecordCount(); ++r) {
        if (rows.IsDeleted(r)) continue;
        const char* record = rows.Record(r);
        try {
            SolucClass lesson;
            lesson.teacher = TextOf(prof, record, timetable.texts);
            lesson.day = dia.Integer(record);
            if (!IsTimetabled(lesson)) continue;
            lesson.period = hora.Integer(record);
            lesson.sessions = sesiones.Integer(record);
            lesson.subject = TextOf(asig, record, timetable.texts);
            lesson.group = TextOf(codgrupo, record, timetable.texts);
            lesson.room = TextOf(aula, record, timetable.texts);
            lesson.pupils = TextOf(nalum, record, timetable.texts);
            lesson.task = TextOf(tarea, record, timetable.texts);
            timetable.classes.push_back(lesson);
        } catch (const ConversionError& error) {
            throw std::runtime_error(
                FormatText(TV_TEXT("Importar", "SOLUC, registro %1: %2"), {IntToStr(r), error.what()}));
        }
    }
    return timetable;
}

bool IsTimetabled(const SolucClass& lesson) {
    return lesson.day != 0 && !IsBlank(lesson.teacher);
}

} // namespace tv::tablorix_to_dae
