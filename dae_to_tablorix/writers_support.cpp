#include "dae_to_tablorix/writers_support.h"

#include "tables/conversion_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace tv::dae_to_tablorix {

namespace {

bool ParseIntegerField(std::string_view text, long long& value) {
    std::string_view rest = text.substr(std::min(text.size(), text.find_first_not_of(' ')));
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty() || rest.front() < '0' || rest.front() > '9') return false;
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    if (error != std::errc() || end != rest.data() + rest.size()) return false;
    // The field holds a 32-bit integer.
    if (magnitude > (negative ? static_cast<unsigned long long>(INT_MAX) + 1 : INT_MAX)) return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

} // namespace

long long IntegerFromText(std::string_view field, std::string_view text) {
    long long value = 0;
    if (!ParseIntegerField(text, value))
        throw ConversionError(
            FormatText(TV_TEXT("Tablas", "'%1' is not a valid integer value for field '%2'"), {text, field}));
    return value;
}

void SetIntegerFromText(tables::Table& table, std::string_view field, std::string_view text) {
    if (text.empty()) return;
    table.SetInteger(field, IntegerFromText(field, text));
}

} // namespace tv::dae_to_tablorix
