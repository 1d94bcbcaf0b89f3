#include "dae_to_tablorix/record_line.h"

#include "tables/mapped_file.h"
#include "tables/path_text.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace tv::dae_to_tablorix {

namespace {

// DAE files are one line of megabytes: read in one block of the file's size
// (the string never grows by copies), then cut at the first CR or LF.
std::string ReadLineOf(const std::filesystem::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        throw std::runtime_error(
            FormatText(TV_TEXT("Exportar", "No se puede abrir el archivo %1"), {tables::PathText(file)}));
    const std::streamoff size = in.tellg();
    std::string line(std::min(limit, size > 0 ? static_cast<std::size_t>(size) : std::size_t{0}), '\0');
    in.seekg(0);
    in.read(line.data(), static_cast<std::streamsize>(line.size()));
    if (in.bad() || static_cast<std::size_t>(in.gcount()) != line.size())
        throw std::runtime_error(
            FormatText(TV_TEXT("Exportar", "Error de lectura en el archivo %1"), {tables::PathText(file)}));
    if (const void* lf = std::memchr(line.data(), '\n', line.size()))
        line.resize(static_cast<std::size_t>(static_cast<const char*>(lf) - line.data()));
    // A lone CR also ends the line.
    if (const void* cr = std::memchr(line.data(), '\r', line.size()))
        line.resize(static_cast<std::size_t>(static_cast<const char*>(cr) - line.data()));
    return line;
}

} // namespace

std::string ReadFirstLine(const std::filesystem::path& file) {
    return ReadLineOf(file, std::string::npos);
}

std::string ReadFirstLineStart(const std::filesystem::path& file, std::size_t count) {
    return ReadLineOf(file, count);
}

FirstLine::FirstLine(const std::filesystem::path& file) : mapped_(tables::MappedFile::Map(file, true)) {
    if (!mapped_) {
        copy_ = ReadFirstLine(file);
        text_ = copy_;
        return;
    }
    const auto bytes = mapped_->Bytes();
    text_ = {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    if (const auto lf = text_.find('\n'); lf != std::string_view::npos) text_ = text_.substr(0, lf);
    // A lone CR also ends the line.
    if (const auto cr = text_.find('\r'); cr != std::string_view::npos) text_ = text_.substr(0, cr);
}

FirstLine::~FirstLine() = default;

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
