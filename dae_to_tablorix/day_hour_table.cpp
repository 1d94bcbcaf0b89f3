#include "dae_to_tablorix/day_hour_table.h"

#include "tables/cp1252.h"
#include "tables/file_names.h"
#include "tables/text.h"

#include <array>
#include <system_error>

namespace tv::dae_to_tablorix {
namespace {

// Written into DIASHORAST for Tablorix: data in Windows-1252, never translated.
constexpr std::array<std::string_view, 7> kDayNames{
    "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo",
};

tables::TableDecl DayHourDecl() {
    using tables::FieldKind;
    tables::TableDecl decl;
    decl.fields = {
        {"DIHO", FieldKind::String, 10},      {"CODDIHO", FieldKind::String, 10},
        {"DIA", FieldKind::String, 20},       {"TEXTODIA", FieldKind::String, 20},
        {"HORA", FieldKind::String, 8},       {"TEXTOHOR", FieldKind::String, 15},
        {"HORADESDE", FieldKind::String, 8},  {"HORAHASTA", FieldKind::String, 8},
        {"MINUTOS", FieldKind::String, 8},    {"MARCO", FieldKind::String, 1},
        {"MARCOXML", FieldKind::String, 10},  {"SESION_ORDEN", FieldKind::Integer, 0},
        {"PLANTILLA", FieldKind::String, 20}, {"RECREO", FieldKind::String, 1},
    };
    return decl;
}

// Minutes from midnight of "HH:MM"; hours converted before minutes, so a bad
// value is named in reading order.
int MinutesOf(std::string_view time) {
    const int hours = StrToInt(Cut(time, 1, 2));
    const int minutes = StrToInt(Cut(time, 4, 2));
    return hours * 60 + minutes;
}

} // namespace

void CreateDayHourTable(const std::filesystem::path& ktemp) {
    // The table store replaces the .MDX too; keep an existing one aside meanwhile.
    const std::filesystem::path mdx = tables::ResolveFileName(ktemp, std::string(kDayHourTable) + ".MDX");
    const std::filesystem::path kept = ktemp / "DIASHORAST.MDX.kept";
    std::error_code ec;
    const bool hadMdx = std::filesystem::exists(mdx, ec);
    if (hadMdx) std::filesystem::rename(mdx, kept);
    try {
        tables::Table::Create(ktemp, kDayHourTable, DayHourDecl());
    } catch (...) {
        if (hadMdx) std::filesystem::rename(kept, mdx, ec);
        throw;
    }
    if (hadMdx) std::filesystem::rename(kept, mdx);
}

std::string DayName(int day) {
    return day >= 1 && day <= 7 ? Utf8ToCp1252(kDayNames[static_cast<std::size_t>(day - 1)]) : std::string();
}

void AppendHourRow(tables::Table& table, std::string_view hourLine, std::string_view templateCode,
                   std::string& dayName) {
    const int hour = StrToInt(Cut(hourLine, 2, 2));
    const int day = StrToInt(Cut(hourLine, 4, 1));
    const std::string_view start = Cut(hourLine, 5, 5);
    const std::string_view end = Cut(hourLine, 10, 5);
    const int startMinutes = MinutesOf(start);
    const int minutes = MinutesOf(end) - startMinutes;
    if (!DayName(day).empty()) dayName = DayName(day);

    table.Append();
    table.SetString("DIHO", IntToStr(day) + IntToStr(hour));
    table.SetString("DIA", IntToStr(day));
    table.SetString("TEXTODIA", dayName);
    table.SetString("HORA", IntToStr(hour));
    table.SetString("TEXTOHOR", IntToStr(hour) + "-" + std::string(start) + "-" + std::string(end));
    table.SetString("HORADESDE", start);
    table.SetString("HORAHASTA", end);
    table.SetString("MINUTOS", IntToStr(minutes));
    table.SetString("MARCO", "0");
    table.SetInteger("SESION_ORDEN", hour);
    table.SetString("PLANTILLA", templateCode);
    table.SetString("RECREO", Cut(hourLine, 15, 1));
    table.Post();
}

} // namespace tv::dae_to_tablorix
