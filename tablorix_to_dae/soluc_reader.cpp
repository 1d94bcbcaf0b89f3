#include "tablorix_to_dae/soluc_reader.h"

#include "tables/conversion_error.h"
#include "tables/table.h"
#include "tables/table_rows.h"
#include "tables/text.h"

#include <stdexcept>

namespace tv::tablorix_to_dae {

std::vector<SolucClass> ReadSoluc(const std::filesystem::path& ktemp) {
    tables::Table soluc;
    soluc.Open(ktemp, kSolutionTable, tables::OpenMode::Exclusive);
    const tables::TableRows rows(soluc);
    const tables::FieldSlot prof = rows.Field("PROF"), dia = rows.Field("DIA"), hora = rows.Field("HORA"),
                            sesiones = rows.Field("SESIONES"), asig = rows.Field("ASIG"),
                            codgrupo = rows.Field("CODGRUPO"), aula = rows.Field("AULA"),
                            nalum = rows.Field("NALUM"), tarea = rows.Field("TAREA");
    std::vector<SolucClass> classes;
    classes.reserve(rows.RecordCount());
    for (std::uint32_t r = 1; r <= rows.RecordCount(); ++r) {
        if (rows.IsDeleted(r)) continue;
        const char* record = rows.Record(r);
        try {
            SolucClass lesson;
            lesson.teacher = prof.Text(record);
            lesson.day = dia.Integer(record);
            if (!IsTimetabled(lesson)) continue;
            lesson.period = hora.Integer(record);
            lesson.sessions = sesiones.Integer(record);
            lesson.subject = asig.Text(record);
            lesson.group = codgrupo.Text(record);
            lesson.room = aula.Text(record);
            lesson.pupils = nalum.Text(record);
            lesson.task = tarea.Text(record);
            classes.push_back(std::move(lesson));
        } catch (const ConversionError& error) {
            throw std::runtime_error("SOLUC, registro " + IntToStr(r) + ": " + error.what());
        }
    }
    return classes;
}

bool IsTimetabled(const SolucClass& lesson) {
    return lesson.day != 0 && !TrimBoth(lesson.teacher).empty();
}

} // namespace tv::tablorix_to_dae
