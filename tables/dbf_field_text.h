// What the DBF header and the field codecs both use: the messages about a
// table or a field (Windows-1252 text) and the blanks and digits of field bytes.
#pragma once

#include "tables/dbf_format.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tv::tables::dbf_detail {

std::string Quoted(std::string_view text);
std::string HexByte(std::uint8_t value);
std::string TypeLabel(char type);

// "\xF1" and "ada" are split: a hex escape would swallow the "ada".
inline constexpr const char* kDamagedHeader = "tiene la cabecera da\xF1"
                                              "ada: ";

[[noreturn]] void FailTable(std::string_view fileName, const std::string& problem);
[[noreturn]] void FailField(const DbfField& def, const std::string& problem);

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
