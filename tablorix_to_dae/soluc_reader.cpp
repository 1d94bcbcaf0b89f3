#include "tablorix_to_dae/soluc_reader.h"

#include "tables/conversion_error.h"
#include "tables/table.h"
#include "tables/table_rows.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace tv::tablorix_to_dae {

SolucTimetable ReadSoluc(const std::filesystem::path& ktemp) {
    tables::Table soluc;
    soluc.Open(ktemp, kSolutionTable, tables::OpenMode::Exclusive);
    const tables::TableRows rows(soluc);
    const tables::FieldSlot dia = rows.Field("DIA"), hora = rows.Field("HORA"),
                            sesiones = rows.Field("SESIONES");
    // PROF, ASIG, CODGRUPO, AULA, NALUM, TAREA: the texts of each class, in this order.
    constexpr std::size_t kTexts = 6;
    const std::array<tables::FieldSlot, kTexts> textFields = {rows.Field("PROF"),     rows.Field("ASIG"),
                                                              rows.Field("CODGRUPO"), rows.Field("AULA"),
                                                              rows.Field("NALUM"),    rows.Field("TAREA")};
    SolucTimetable timetable;
    // Where each text ends in `texts`; views are made once `texts` stops growing.
    std::vector<std::array<std::uint32_t, kTexts>> ends;
    timetable.classes.reserve(rows.RecordCount());
    ends.reserve(rows.RecordCount());
    for (std::uint32_t r = 1; r <= rows.RecordCount(); ++r) {
        if (rows.IsDeleted(r)) continue;
        const char* record = rows.Record(r);
        try {
            SolucClass lesson;
            const std::size_t begin = timetable.texts.size();
            textFields[0].AppendText(timetable.texts, record);
            lesson.teacher = std::string_view(timetable.texts).substr(begin); // until `texts` grows again
            lesson.day = dia.Integer(record);
            if (!IsTimetabled(lesson)) {
                timetable.texts.resize(begin);
                continue;
            }
            lesson.period = hora.Integer(record);
            lesson.sessions = sesiones.Integer(record);
            std::array<std::uint32_t, kTexts> end{};
            end[0] = static_cast<std::uint32_t>(timetable.texts.size());
            for (std::size_t t = 1; t < kTexts; ++t) {
                textFields[t].AppendText(timetable.texts, record);
                end[t] = static_cast<std::uint32_t>(timetable.texts.size());
            }
            timetable.classes.push_back(lesson);
            ends.push_back(end);
        } catch (const ConversionError& error) {
            throw std::runtime_error(
                FormatText(TV_TEXT("Importar", "SOLUC, registro %1: %2"), {IntToStr(r), error.what()}));
        }
    }
    const std::string_view texts = timetable.texts;
    std::uint32_t begin = 0;
    for (std::size_t c = 0; c < timetable.classes.size(); ++c) {
        SolucClass& lesson = timetable.classes[c];
        std::string_view* views[kTexts] = {&lesson.teacher, &lesson.subject, &lesson.group,
                                           &lesson.room,    &lesson.pupils,  &lesson.task};
        for (std::size_t t = 0; t < kTexts; ++t) {
            *views[t] = texts.substr(begin, ends[c][t] - begin);
            begin = ends[c][t];
        }
    }
    return timetable;
}

bool IsTimetabled(const SolucClass& lesson) {
    return lesson.day != 0 && !TrimBoth(lesson.teacher).empty();
}

} // namespace tv::tablorix_to_dae
