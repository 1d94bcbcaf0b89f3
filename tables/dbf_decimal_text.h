// Decimal text as N and F fields hold it: [+|-] digits [. digits] [e|E [+|-] digits].
#pragma once

#include "tables/dbf_format.h"

#include <string>
#include <string_view>

namespace tv::tables::dbf_detail {

struct DecimalText {
    bool negative = false;
    std::string_view integer;  // digits before the point
    std::string_view fraction; // digits after it
    bool exponent = false;
    std::string_view number; // the whole text without a leading '+', for from_chars
};

bool SplitDecimal(std::string_view s, DecimalText& out);
bool ParseDouble(const DecimalText& d, double& value);
// The number's shortest plain text, digit for digit.
std::string CanonicalDecimal(const DecimalText& d);
std::string NumericFieldText(std::string_view field);
// Writes the number right-aligned with exactly def.decimals digits after the
// point, rounding half away from zero on the decimal digits themselves.
void WriteFixed(const DbfField& def, const DecimalText& d, char* out);

} // namespace tv::tables::dbf_detail
