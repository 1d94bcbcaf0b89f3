// What the DBF header, the field codecs and the decimal text share: the
// messages about a table or a field and the blanks and digits of field bytes.
#pragma once

#include "tables/dbf_format.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tv::tables::dbf_detail {

std::string Quoted(std::string_view text);
std::string HexByte(std::uint8_t value);
std::string TypeLabel(char type);

// Throws the sentence `cp1252Template` with its %1.. filled in.
[[noreturn]] void Fail(std::string_view cp1252Template, std::initializer_list<std::string_view> arguments);
// A value that does not fit the field: %1 is the field, %2 the value.
[[noreturn]] void FailValue(std::string_view cp1252Template, const DbfField& def, std::string_view text);

bool IsBinaryType(char type);

// NUL counts as a blank: level-7 writers fill unused bytes with it.
bool IsBlank(char c);
std::string_view TrimRight(std::string_view s);
std::string_view Trim(std::string_view s);
bool AllBlank(std::string_view s);
bool AllZeroBytes(std::string_view s);
bool IsDigit(char c);
bool AllDigits(std::string_view s);

} // namespace tv::tables::dbf_detail
