#include "tables/dbf_decimal_text.h"

#include "tables/dbf_field_text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <system_error>

namespace tv::tables::dbf_detail {
namespace {

std::string_view StripLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    return digits;
}

std::string_view StripTrailingZeros(std::string_view digits) {
    while (!digits.empty() && digits.back() == '0')
        digits.remove_suffix(1);
    return digits;
}

// Adds one unit in the last place of a digit string; true when it carries out.
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

} // namespace

bool SplitDecimal(std::string_view s, DecimalText& out) {
    out = DecimalText{};
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out.negative = s[i] == '-';
        ++i;
    }
    out.number = out.negative ? s : s.substr(i);
    const auto digits = [&s, &i] {
        const std::size_t start = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        return s.substr(start, i - start);
    };
    out.integer = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        out.fraction = digits();
    }
    if (out.integer.empty() && out.fraction.empty()) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (digits().empty()) return false;
        out.exponent = true;
    }
    return i == s.size();
}

bool ParseDouble(const DecimalText& d, double& value) {
    const char* first = d.number.data();
    const char* last = first + d.number.size();
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc{} && result.ptr == last;
}

// The number's shortest plain text, digit for digit (no detour through
// double, so N(20,0) keeps all twenty digits).
std::string CanonicalDecimal(const DecimalText& d) {
    const std::string_view integer = StripLeadingZeros(d.integer);
    const std::string_view fraction = StripTrailingZeros(d.fraction);
    if (integer.empty() && fraction.empty()) return "0";
    std::string text;
    text.reserve(integer.size() + fraction.size() + 3);
    if (d.negative) text += '-';
    if (integer.empty())
        text += '0';
    else
        text += integer;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

std::string NumericFieldText(std::string_view field) {
    const std::string_view text = Trim(field);
    DecimalText d;
    if (!SplitDecimal(text, d))
        return std::string(text); // e.g. "***" from an overflowing writer: shown as it is
    if (d.exponent) {
        double value = 0;
        return ParseDouble(d, value) ? ShortestDecimal(value) : std::string(text);
    }
    return CanonicalDecimal(d);
}

// Writes the number right-aligned with exactly def.decimals digits after the
// point, rounding half away from zero on the decimal digits themselves (so
// 2.675 stores as 2.68, as the user sees it).
void WriteFixed(const DbfField& def, const DecimalText& d, char* out) {
    const std::string_view integer = StripLeadingZeros(d.integer);
    const auto decimals = static_cast<std::size_t>(def.decimals);
    std::string digits(integer);
    digits.append(d.fraction.substr(0, decimals));
    digits.append(decimals - std::min(decimals, d.fraction.size()), '0');
    std::size_t integerLength = integer.size();
    if (d.fraction.size() > decimals && d.fraction[decimals] >= '5' && IncrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
        ++integerLength;
    }
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    std::string text;
    if (d.negative && !zero) text += '-';
    if (integerLength == 0) text += '0';
    text.append(digits, 0, integerLength);
    if (decimals > 0) {
        text += '.';
        text.append(digits, integerLength);
    }
    const auto width = static_cast<std::size_t>(def.length);
    if (text.size() > width)
        Fail(TV_TEXT("Tablas",
                     "El campo %1 no admite el número %2: no cabe en %3 posiciones con %4 decimales."),
             {Quoted(def.name), text, std::to_string(def.length), std::to_string(def.decimals)});
    std::memset(out, ' ', width - text.size());
    if (!text.empty()) std::memcpy(out + (width - text.size()), text.data(), text.size());
}

} // namespace tv::tables::dbf_detail
