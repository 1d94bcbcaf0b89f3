#include "tablorix_to_dae/template_rows.h"

#include "tables/text.h"
#include "tables/user_text.h"

#include <stdexcept>

namespace tv::tablorix_to_dae {
namespace {

std::string HourText(int hour) {
    std::string text = IntToStr(hour) + ":00";
    return text.size() < 5 ? "0" + text : text;
}

} // namespace

std::vector<TemplateRow> DefaultTemplateRows() {
    std::vector<TemplateRow> rows;
    for (int period = 1; period <= 20; ++period) {
        const int hour = period <= 16 ? period + 7 : period - 17;
        rows.push_back({period, HourText(hour), HourText(hour + 1)});
    }
    return rows;
}

std::vector<TemplateRow> TemplateRowsFromDayHours(tables::Table& dayHours) {
    std::vector<TemplateRow> rows;
    int next = 1;
    for (dayHours.First(); !dayHours.Eof(); dayHours.Next()) {
        const std::string diho = dayHours.AsString("DIHO");
        int period = 0;
        if (!TryStrToInt(Cut(diho, 2, 2), period))
            throw std::runtime_error(FormatText(
                TV_TEXT(
                    "Importar",
                    "DIASHORAST: el registro %1 tiene DIHO '%2', cuyos caracteres 2 y 3 no son un número de hora."),
                {IntToStr(dayHours.RecNo()), diho}));
        if (period != next) continue;
        rows.push_back({period, dayHours.AsString("HORADESDE"), dayHours.AsString("HORAHASTA")});
        ++next;
    }
    return rows;
}

} // namespace tv::tablorix_to_dae
