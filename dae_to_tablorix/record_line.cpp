#include "dae_to_tablorix/record_line.h"

#include "tables/path_text.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace tv::dae_to_tablorix {

std::string ReadFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error(
            FormatText(TV_TEXT("Exportar", "No se puede abrir el archivo %1"), {tables::PathText(file)}));
    // DAE files are one line of megabytes: read in large blocks up to the first LF.
    std::string line;
    std::vector<char> block(1 << 16);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        const auto count = static_cast<std::size_t>(in.gcount());
        if (const void* lf = std::memchr(block.data(), '\n', count)) {
            line.append(block.data(), static_cast<std::size_t>(static_cast<const char*>(lf) - block.data()));
            break;
        }
        line.append(block.data(), count);
    }
    if (in.bad())
        throw std::runtime_error(
            FormatText(TV_TEXT("Exportar", "Error de lectura en el archivo %1"), {tables::PathText(file)}));
    // A lone CR also ends the line.
    if (const auto cr = line.find('\r'); cr != std::string::npos) line.resize(cr);
    return line;
}

std::vector<std::string_view> SplitRecords(std::string_view line, std::size_t length) {
    if (length == 0) throw std::invalid_argument("SplitRecords: record length must be positive");
    std::vector<std::string_view> records;
    records.reserve((line.size() + length - 1) / length);
    for (std::size_t p = 0; p < line.size(); p += length)
        records.push_back(line.substr(p, length));
    return records;
}

std::string Field(std::string_view record, std::size_t position, std::size_t width) {
    return TrimBoth(Cut(record, position, width));
}

} // namespace tv::dae_to_tablorix
