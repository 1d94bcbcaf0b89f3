// Text helpers over single-byte Windows-1252 text. Only the blank (0x20)
// counts as a blank, except in TrimControl.
#pragma once

#include <string>
#include <string_view>

namespace tv {

// Removes blanks at the start; tabs and other control characters stay.
std::string TrimLeading(std::string_view text);
// Removes blanks at the end.
std::string TrimTrailing(std::string_view text);
// TrimTrailing, then TrimLeading.
std::string TrimBoth(std::string_view text);
// TrimBoth(text).empty(), without building the text.
bool IsBlank(std::string_view text);
// The characters that follow a blank, in order; the first character is never
// taken, a blank at the end adds nothing, two blanks in a row add a blank.
std::string WordInitials(std::string_view text);
// The wider trim: removes every character up to 0x20 (blanks and control
// characters) at both ends.
std::string TrimControl(std::string_view text);

// Upper and lower case of Windows-1252 text as the Windows ANSI functions map
// it: a-z, the accented letters (á->Á, ñ->Ñ, ç->Ç…), š ž œ and ÿ. ß and µ stay.
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
// Equality without regard to letter case, accented letters included.
bool AnsiSameText(std::string_view a, std::string_view b);

// The substring of `text` at 1-based `position`, at most `width` characters;
// empty when the position lies past the end.
std::string_view Cut(std::string_view text, std::size_t position, std::size_t width);

// `text` in single quotes for a message; past `limit` characters it is cut,
// with "…" and its length, so a huge input never floods the message.
std::string QuotedForMessage(std::string_view text, std::size_t limit = 60);

// Decimal text of a whole number, as the files and tables hold it.
std::string IntToStr(long long value);
// A whole decimal number with optional sign and leading blanks; otherwise throws
// ConversionError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);
// Like StrToInt, but answers `fallback` instead of throwing.
int StrToIntDef(std::string_view text, int fallback);
// True when `text` is a whole decimal number that fits an int.
bool TryStrToInt(std::string_view text, int& value);

} // namespace tv
