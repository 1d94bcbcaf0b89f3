#include "tables/text.h"

#include "tables/conversion_error.h"
#include "tables/cp1252.h"
#include "tables/user_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

namespace tv {
namespace {

constexpr std::array<unsigned char, 256> MakeUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7) table[c] = static_cast<unsigned char>(c - 32); // à..þ except ÷
    table[0x9A] = 0x8A;                                               // š
    table[0x9C] = 0x8C;                                               // œ
    table[0x9E] = 0x8E;                                               // ž
    table[0xFF] = 0x9F;                                               // ÿ
    return table;
}

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    constexpr auto upper = MakeUpperTable();
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 0; c < 256; ++c)
        if (upper[c] != c) table[upper[c]] = static_cast<unsigned char>(c);
    return table;
}

constexpr auto kUpper = MakeUpperTable();
constexpr auto kLower = MakeLowerTable();

std::string MapBytes(std::string_view text, const std::array<unsigned char, 256>& table) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return result;
}

} // namespace

std::string TrimLeading(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimTrailing(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimBoth(std::string_view text) {
    // One string, made once: fields of DAE records are trimmed by the thousand.
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string();
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string WordInitials(std::string_view text) {
    std::string initials;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == ' ') initials += text[i + 1];
    return initials;
}

std::string TrimControl(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20)
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string AnsiUpperCase(std::string_view text) {
    return MapBytes(text, kUpper);
}
std::string AnsiLowerCase(std::string_view text) {
    return MapBytes(text, kLower);
}

bool AnsiSameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kUpper[static_cast<unsigned char>(a[i])] != kUpper[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

std::string_view Cut(std::string_view text, std::size_t position, std::size_t width) {
    if (position == 0 || position > text.size()) return {};
    return text.substr(position - 1, width);
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

bool TryStrToInt(std::string_view text, int& value) {
    // Leading blanks are allowed, as the run-time library's conversion allows them.
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    std::string_view digits = text.substr(first);
    const bool plus = digits.front() == '+';
    if (plus) digits.remove_prefix(1);
    if (digits.empty() || (plus && digits.front() == '-')) return false;
    long long parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size()) return false;
    if (parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw ConversionError(FormatText(TV_TEXT("Tablas", "'%1' is not a valid integer value"), {text}));
    return value;
}

int StrToIntDef(std::string_view text, int fallback) {
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

std::string QuotedForMessage(std::string_view text, std::size_t limit) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely on chained '+'.
    std::string quoted;
    quoted.reserve(std::min(text.size(), limit) + 32);
    quoted += '\'';
    quoted.append(text.substr(0, limit));
    if (text.size() > limit) quoted += Utf8ToCp1252("…");
    quoted += '\'';
    if (text.size() > limit)
        quoted = FormatText(TV_TEXT("Tablas", "%1 (%2 caracteres)"), {quoted, std::to_string(text.size())});
    return quoted;
}

} // namespace tv
