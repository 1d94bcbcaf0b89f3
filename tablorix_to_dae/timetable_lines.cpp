#include "tablorix_to_dae/timetable_lines.h"

#include "tables/text.h"

namespace tv::tablorix_to_dae {
namespace {

std::string PaddedTo(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

} // namespace

std::string HeaderLine(std::string_view centreCode, std::string_view academicYear) {
    return "1CH" + PaddedTo(std::string(centreCode), 6) + PaddedTo(std::string(academicYear), 4);
}

std::string ClassLine(const tables::Table& cuadroh2) {
    const auto field = [&](const char* name) { return cuadroh2.AsString(name); };
    std::string line = "2";
    line += field("TIPDOC");
    line += PaddedTo(field("DOC"), 15);
    line += field("NUMSESION");
    line += field("DIASEM");
    line += PaddedTo(field("TIPTAR"), 4);
    line += field("HORAINI");
    line += field("HORAFIN");
    line += (field("AULA_OBS") + "00000000").substr(0, 8);
    const std::string activity = field("TIP_ACTIV");
    if (TrimControl(activity).empty()) {
        line += PaddedTo(field("CODASIG"), 8);
        line += PaddedTo(field("TIPASIG"), 1);
        line += PaddedTo(field("IDIOMA"), 2);
    } else {
        line += activity;
        line += field("GRUPNIV");
        line += field("PLAN");
    }
    return line;
}

std::string GroupLine(const tables::Table& cuadroh3) {
    const std::string groupCode = PaddedTo(cuadroh3.AsString("CODGRUPO"), 8);
    const std::string pupils = "0000" + cuadroh3.AsString("NUMALUM");
    return "3" + groupCode + "00" + cuadroh3.AsString("NUMSESGRUP") + pupils.substr(pupils.size() - 4) +
           PaddedTo(cuadroh3.AsString("ALIASDAE"), 50) + groupCode;
}

} // namespace tv::tablorix_to_dae
