#include "app/tablorix_ini.h"

#include "tables/path_text.h"
#include "tables/user_text.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace tv::app {
namespace {

struct Line {
    std::size_t begin = 0; // first byte of the line
    std::size_t end = 0;   // one past the last byte before the line end
    std::size_t next = 0;  // first byte of the following line
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < content.size()) {
        const std::size_t newline = content.find('\n', begin);
        Line line{begin, newline == std::string_view::npos ? content.size() : newline, 0};
        line.next = newline == std::string_view::npos ? content.size() : newline + 1;
        if (line.end > line.begin && content[line.end - 1] == '\r') --line.end;
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The name of a "[name]" line, or nothing when the line is no section head.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return false;
    const std::size_t close = line.find(']');
    name = Trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// The key of a "key=value" line; comments and lines without '=' have none.
bool KeyName(std::string_view line, std::string_view& name) {
    line = Trimmed(line);
    if (line.empty() || line.front() == ';') return false;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    name = Trimmed(line.substr(0, equals));
    return true;
}

std::string_view LineEndOf(std::string_view content) {
    const std::size_t newline = content.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || content[newline - 1] != '\r')) return "\n";
    return "\r\n";
}

} // namespace

std::string SetProfileString(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::string_view eol = LineEndOf(content);
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::string_view text = content;
    // A byte-order mark is not part of the first line's text.
    const std::size_t bom = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    const std::vector<Line> lines = SplitLines(text);

    auto lineText = [&](const Line& line) {
        const std::size_t begin = line.begin == 0 ? std::min(bom, line.end) : line.begin;
        return text.substr(begin, line.end - begin);
    };

    std::size_t head = 0;
    for (std::string_view name; head < lines.size(); ++head)
        if (SectionName(lineText(lines[head]), name) && SameName(name, section)) break;

    std::string result(content);
    if (head == lines.size()) {
        // New section at the end, after a line end for an unfinished last line.
        if (!result.empty() && result.back() != '\n') result += eol;
        return result + "[" + std::string(section) + "]" + std::string(eol) + entry + std::string(eol);
    }

    std::size_t insertAt = lines[head].next; // after the last non-blank line of the section
    bool headEndsLine = lines[head].next > lines[head].end;
    for (std::size_t i = head + 1; i < lines.size(); ++i) {
        const std::string_view line = lineText(lines[i]);
        std::string_view name;
        if (SectionName(line, name)) break;
        if (KeyName(line, name) && SameName(name, key))
            return result.replace(lines[i].begin, lines[i].end - lines[i].begin, entry);
        if (!Trimmed(line).empty()) {
            insertAt = lines[i].next;
            headEndsLine = lines[i].next > lines[i].end;
        }
    }
    // The last line of the file may lack its line end.
    if (!headEndsLine) return result.insert(insertAt, std::string(eol) + entry);
    return result.insert(insertAt, entry + std::string(eol));
}

void WriteTransformResult(const std::filesystem::path& folder, TransformResult result) {
    const std::filesystem::path file = folder / std::string(kResultFileName);
    std::string content;
    if (std::ifstream in{file, std::ios::binary}) {
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            throw std::runtime_error(
                FormatText(TV_TEXT("TablorixIni", "No se puede leer %1"), {tables::PathText(file)}));
    }
    const std::string updated =
        SetProfileString(content, kResultSection, kResultKey, std::to_string(StoredNumber(result)));
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(updated.data(), static_cast<std::streamsize>(updated.size()));
    out.close();
    if (!out)
        throw std::runtime_error(
            FormatText(TV_TEXT("TablorixIni", "No se puede escribir %1"), {tables::PathText(file)}));
}

} // namespace tv::app
