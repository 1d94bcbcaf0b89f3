// Text given for a field of another type, converted as the table store's
// field objects convert it, with the same error texts.
#pragma once

#include "tables/dbf_format.h"

#include <cstdint>
#include <string_view>

namespace tv::tables {

// A decimal number: optional leading blanks and sign, digits, '.' or ',' as
// decimal separator, optional exponent. False when anything else is there.
bool ParseNumber(std::string_view text, double& value);

// Nearest integer, halves to the even neighbour; throws ConversionError when
// it does not fit 32 bits.
std::int32_t RoundHalfEven(double value);

enum class BooleanText { True, False, Invalid };
// "T", "True", "Y", "S(í)" … are true; "F", "False", "N(o)" are false (first letter).
BooleanText ParseBoolean(std::string_view text);

// Stores `value` given as text into a field of any writable type. An empty
// text blanks a non-character field. Throws ConversionError with the table
// store's texts, e.g. "'x' is not a valid integer value for field 'HORA'".
void StoreText(const DbfField& def, std::string_view value, char* out);

// Whether the field's stored value equals `value` exactly (case-sensitive),
// as its text reads; no allocation for character fields.
bool FieldEquals(const DbfField& def, std::string_view fieldBytes, std::string_view value);

} // namespace tv::tables
