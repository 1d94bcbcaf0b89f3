#include "tablorix_to_dae/soluc_reader.h"

#include "tables/conversion_error.h"
#include "tables/table.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <cstdint>
#include <stdexcept>

namespace tv::tablorix_to_dae {

SolucTexts SolucTimetable::Texts(const SolucClass& lesson, SolucScratch& scratch) const {
    const char* record = Record(lesson);
    return {asig_.TextView(record, scratch.subject), codgrupo_.TextView(record, scratch.group),
            aula_.TextView(record, scratch.room), nalum_.TextView(record, scratch.pupils),
            tarea_.TextView(record, scratch.task)};
}

const char* SolucTimetable::Record(const SolucClass& lesson) const {
    return rows_->Record(lesson.record);
}

SolucTimetable ReadSoluc(const std::filesystem::path& ktemp) {
    SolucTimetable timetable;
    timetable.table_.Open(ktemp, kSolutionTable, tables::OpenMode::Exclusive);
    const tables::TableRows& rows = timetable.rows_.emplace(timetable.table_);
    const tables::FieldSlot prof = rows.Field("PROF"), dia = rows.Field("DIA"), hora = rows.Field("HORA"),
                            sesiones = rows.Field("SESIONES");
    // Missing fields are found now, before anything is written.
    timetable.asig_ = rows.Field("ASIG");
    timetable.codgrupo_ = rows.Field("CODGRUPO");
    timetable.aula_ = rows.Field("AULA");
    timetable.nalum_ = rows.Field("NALUM");
    timetable.tarea_ = rows.Field("TAREA");
    timetable.classes.reserve(rows.RecordCount());
    std::string teacher;
    for (std::uint32_t r = 1; r <= rows.RecordCount(); ++r) {
        if (rows.IsDeleted(r)) continue;
        const char* record = rows.Record(r);
        try {
            SolucClass lesson;
            lesson.record = r;
            lesson.teacher = prof.TextView(record, teacher);
            lesson.day = dia.Integer(record);
            if (!IsTimetabled(lesson)) continue;
            if (lesson.teacher.data() == teacher.data())
                lesson.teacher = timetable.teachers_.emplace_back(teacher);
            lesson.period = hora.Integer(record);
            lesson.sessions = sesiones.Integer(record);
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
