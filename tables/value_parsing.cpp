#include "tables/value_parsing.h"

#include "tables/conversion_error.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tv::tables {
namespace {

// `cp1252Template`: %1 is the value, %2 the field.
[[noreturn]] void Invalid(std::string_view cp1252Template, std::string_view value, const DbfField& def) {
    throw ConversionError(FormatText(cp1252Template, {value, def.name}));
}

} // namespace

bool ParseNumber(std::string_view text, double& value) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    std::string normal(text.substr(first));
    if (!normal.empty() && normal.front() == '+') normal.erase(0, 1);
    for (char& c : normal)
        if (c == ',') c = '.';
    if (normal.empty()) return false;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    return error == std::errc() && end == normal.data() + normal.size() && std::isfinite(value);
}

std::int32_t RoundHalfEven(double value) {
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw ConversionError(
            FormatText(TV_TEXT("Tablas", "'%1' is not a valid integer value"), {std::to_string(value)}));
    return static_cast<std::int32_t>(rounded);
}

BooleanText ParseBoolean(std::string_view text) {
    if (text.empty()) return BooleanText::Invalid;
    switch (text.front()) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
    case 'S':
    case 's':
        return BooleanText::True;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        return BooleanText::False;
    default:
        return BooleanText::Invalid;
    }
}

void StoreText(const DbfField& def, std::string_view value, char* out) {
    switch (def.type) {
    case 'C':
        return EncodeText(def, value, out);
    case 'D':
        return EncodeText(def, value, out);
    case 'L':
        if (value.empty()) return EncodeBlank(def, out);
        if (const auto b = ParseBoolean(value); b != BooleanText::Invalid)
            return EncodeBoolean(def, b == BooleanText::True, out);
        Invalid(TV_TEXT("Tablas", "'%1' is not a valid boolean value for field '%2'"), value, def);
    case 'I':
    case '+': {
        if (value.empty()) return EncodeBlank(def, out);
        // Leading blanks pass, as the run-time library's conversion lets them.
        const auto first = value.find_first_not_of(' ');
        std::string_view digits = first == std::string_view::npos ? std::string_view() : value.substr(first);
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        long long number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            number < INT32_MIN || number > INT32_MAX)
            Invalid(TV_TEXT("Tablas", "'%1' is not a valid integer value for field '%2'"), value, def);
        return EncodeNumber(def, static_cast<double>(number), out);
    }
    case 'N':
    case 'F':
    case 'O': {
        if (value.empty()) return EncodeBlank(def, out);
        double number = 0;
        if (!ParseNumber(value, number))
            Invalid(TV_TEXT("Tablas", "'%1' is not a valid floating point value for field '%2'"), value, def);
        return EncodeNumber(def, number, out);
    }
    default:
        throw TableError(FormatText(TV_TEXT("Tablas", "El campo '%1' no admite texto."), {def.name}));
    }
}

bool FieldEquals(const DbfField& def, std::string_view fieldBytes, std::string_view value) {
    if (def.type != 'C') return FieldText(def, fieldBytes) == value;
    // Stored text = value followed by blanks (or NULs).
    if (value.size() > fieldBytes.size() || fieldBytes.compare(0, value.size(), value) != 0) return false;
    if (!value.empty() && value.back() == ' ') return false; // a read-back never ends in a blank
    for (std::size_t i = value.size(); i < fieldBytes.size(); ++i)
        if (fieldBytes[i] != ' ' && fieldBytes[i] != '\0') return false;
    return true;
}

} // namespace tv::tables
