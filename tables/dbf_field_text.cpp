#include "tables/dbf_field_text.h"

#include "tables/table_error.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>

namespace tv::tables::dbf_detail {

// ---------------------------------------------------------------------------
// Messages (Windows-1252 text)

std::string Quoted(std::string_view text) {
    return QuotedForMessage(text);
}

std::string HexByte(std::uint8_t value) {
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

std::string TypeLabel(char type) {
    const auto byte = static_cast<unsigned char>(type);
    if (byte > 0x20 && byte < 0x7F) return Quoted(std::string_view(&type, 1));
    return HexByte(byte);
}

// Throws the sentence `cp1252Template` with its %1.. filled in.
[[noreturn]] void Fail(std::string_view cp1252Template, std::initializer_list<std::string_view> arguments) {
    throw TableError(FormatText(cp1252Template, arguments));
}

// A value that does not fit the field: %1 is the field, %2 the value.
[[noreturn]] void FailValue(std::string_view cp1252Template, const DbfField& def, std::string_view text) {
    Fail(cp1252Template, {Quoted(def.name), Quoted(text)});
}

bool IsBinaryType(char type) {
    return type == 'I' || type == '+' || type == 'O' || type == '@';
}

// ---------------------------------------------------------------------------
// Text helpers for field bytes. NUL counts as a blank: level-7 writers fill
// empty character fields with NULs.

bool IsBlank(char c) {
    return c == ' ' || c == '\0';
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimRight(s);
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

bool AllBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsBlank);
}

bool AllZeroBytes(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '\0'; });
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

} // namespace tv::tables::dbf_detail
