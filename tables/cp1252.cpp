#include "tables/cp1252.h"
#include "tables/user_text.h"

#include <array>
#include <cstdio>

namespace tv {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their C1 value.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool ByteOf(char32_t cp, unsigned char& byte) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        byte = static_cast<unsigned char>(cp);
        return true;
    }
    for (unsigned i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

// Decodes one UTF-8 sequence at `pos`; false on malformed input.
bool NextCodePoint(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        cp = lead & 0x1F;
        extra = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        cp = lead & 0x0F;
        extra = 2;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (pos + extra >= s.size() && extra > 0) return false;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(s[pos + i]);
        if ((next & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    pos += 1 + extra;
    return true;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (char c : cp1252)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

bool TryUtf8ToCp1252(std::string_view utf8, std::string& out, char32_t& bad) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Runs of ASCII, most of any text, are the same bytes in both.
        std::size_t ascii = pos;
        while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80)
            ++ascii;
        out.append(utf8.substr(pos, ascii - pos));
        pos = ascii;
        if (pos == utf8.size()) break;
        char32_t cp = 0;
        if (!NextCodePoint(utf8, pos, cp)) {
            bad = 0xFFFFFFFF;
            return false;
        }
        unsigned char byte = 0;
        if (!ByteOf(cp, byte)) {
            bad = cp;
            return false;
        }
        out += static_cast<char>(byte);
    }
    return true;
}

std::string Utf8ToCp1252ForDisplay(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        unsigned char byte = 0;
        if (!NextCodePoint(utf8, pos, cp)) {
            ++pos;
            out += '?';
        } else {
            out += ByteOf(cp, byte) ? static_cast<char>(byte) : '?';
        }
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    char32_t bad = 0;
    if (TryUtf8ToCp1252(utf8, out, bad)) return out;
    if (bad == 0xFFFFFFFF) throw EncodingError(TV_TEXT("Caracteres", "El texto no es UTF-8 válido."));
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(bad));
    throw EncodingError(
        FormatText(TV_TEXT("Caracteres", "El carácter %1 no existe en Windows-1252."), {code}));
}

} // namespace tv
