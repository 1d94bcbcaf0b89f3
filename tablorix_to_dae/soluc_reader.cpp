#include "tablorix_to_dae/soluc_reader.h"

#include "tables/conversion_error.h"
#include "tables/table.h"
#include "tables/text.h"

#include <stdexcept>

namespace tv::tablorix_to_dae {

std::vector<SolucClass> ReadSoluc(const std::filesystem::path& ktemp) {
    tables::Table soluc;
    soluc.Open(ktemp, kSolutionTable, tables::OpenMode::Exclusive);
    std::vector<SolucClass> classes;
    classes.reserve(static_cast<std::size_t>(soluc.RecordCount()));
    for (soluc.First(); !soluc.Eof(); soluc.Next()) {
        try {
            SolucClass lesson;
            lesson.teacher = soluc.AsString("PROF");
            lesson.day = soluc.AsInteger("DIA");
            if (!IsTimetabled(lesson)) continue;
            lesson.period = soluc.AsInteger("HORA");
            lesson.sessions = soluc.AsInteger("SESIONES");
            lesson.subject = soluc.AsString("ASIG");
            lesson.group = soluc.AsString("CODGRUPO");
            lesson.room = soluc.AsString("AULA");
            lesson.pupils = soluc.AsString("NALUM");
            lesson.task = soluc.AsString("TAREA");
            classes.push_back(std::move(lesson));
        } catch (const ConversionError& error) {
            throw std::runtime_error("SOLUC, registro " + IntToStr(soluc.RecNo()) + ": " + error.what());
        }
    }
    return classes;
}

bool IsTimetabled(const SolucClass& lesson) {
    return lesson.day != 0 && !TrimBoth(lesson.teacher).empty();
}

} // namespace tv::tablorix_to_dae
