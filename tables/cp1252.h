// Windows-1252 <-> UTF-8 with our own table (no ICU, no locale).
//
// The five bytes that Windows-1252 leaves undefined (0x81 0x8D 0x8F 0x90 0x9D)
// map to the C1 control characters of the same number, as Windows does, so
// every byte survives a round trip. A character that Windows-1252 cannot hold
// is an error: it is never replaced by another letter.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tv {

class EncodingError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string Cp1252ToUtf8(std::string_view cp1252);

// Throws EncodingError (message in Windows-1252, naming the character) on text
// that is not valid UTF-8 or holds a character outside Windows-1252.
std::string Utf8ToCp1252(std::string_view utf8);

// The same without throwing: false, with the offending code point (or
// 0xFFFFFFFF for invalid UTF-8) in `bad`.
bool TryUtf8ToCp1252(std::string_view utf8, std::string& out, char32_t& bad);

// For messages only: what cannot be shown (a byte that is not UTF-8, a
// character outside Windows-1252) becomes '?', so a name is never refused.
std::string Utf8ToCp1252ForDisplay(std::string_view utf8);

} // namespace tv
