#include "tables/index_key.h"

#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tv::tables {

namespace {

constexpr int kNumericKeyLength = 12;
constexpr int kMaxPackedDigits = 20; // ten bytes of two nibbles
constexpr std::uint8_t kExponentBias = 0x34;
// Blank dates get a day number far beyond any real one, so they sort last.
constexpr double kBlankDateKey = 1.0e100;

[[noreturn]] void ThrowNotIndexable(char fieldType) {
    throw TableError(FormatText(TV_TEXT("Tablas", "Un campo de tipo '%1' no puede ser clave de índice"),
                                {std::string_view(&fieldType, 1)}));
}

int CompareBytes(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    if (common > 0) {
        if (const int c = std::memcmp(a.data(), b.data(), common); c != 0) return c < 0 ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::uint8_t ByteAt(std::string_view key, std::size_t i) {
    return i < key.size() ? static_cast<std::uint8_t>(key[i]) : 0;
}

// ---- N and F: dBase IV packed decimal ---------------------------------------

// The significant digits of a number's text and its decimal exponent (the
// number of digits before the point; 0.05 has exponent -1). Parsing stops at
// the first character that cannot belong to the number, so blanks and overflow
// markers ("***") read as zero, like an empty field.
struct DecimalText {
    bool negative = false;
    char digits[kMaxPackedDigits] = {};
    int digitCount = 0;
    int exponent = 0;
};

DecimalText ParseDecimalText(std::string_view text) {
    DecimalText parsed;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\0'))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) parsed.negative = text[i++] == '-';
    bool seenPoint = false;
    bool significant = false; // past the leading zeros
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        significant = significant || c != '0';
        if (!significant) {
            if (seenPoint) --parsed.exponent;
            continue;
        }
        if (!seenPoint) ++parsed.exponent;
        if (parsed.digitCount < kMaxPackedDigits) parsed.digits[parsed.digitCount++] = c;
    }
    // Trailing zeros are not significant (the integer 100 keeps the single digit 1).
    while (parsed.digitCount > 0 && parsed.digits[parsed.digitCount - 1] == '0')
        --parsed.digitCount;
    return parsed;
}

std::string PackedDecimalKey(std::string_view fieldText) {
    const DecimalText number = ParseDecimalText(fieldText);
    std::string key(kNumericKeyLength, '\0');
    if (number.digitCount == 0) { // zero, whatever its sign or spelling
        key[0] = static_cast<char>(kExponentBias);
        key[1] = 0x01;
        return key;
    }
    key[0] = static_cast<char>(kExponentBias + number.exponent);
    key[1] = static_cast<char>(0x01 | (number.digitCount << 2) | (number.negative ? 0x80 : 0x00));
    for (int d = 0; d < number.digitCount; ++d) {
        const int nibble = number.digits[d] - '0';
        const int shift = d % 2 == 0 ? 4 : 0; // first digit in the high nibble
        char& byte = key[2 + d / 2];
        byte = static_cast<char>(static_cast<std::uint8_t>(byte) | (nibble << shift));
    }
    return key;
}

struct PackedDecimal {
    int sign = 0; // -1, 0, +1
    int exponent = 0;
    int digitCount = 0;
    std::string_view key;

    int Digit(int i) const {
        if (i >= digitCount) return 0;
        const std::uint8_t byte = ByteAt(key, 2 + static_cast<std::size_t>(i) / 2);
        return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }
};

PackedDecimal DecodePackedDecimal(std::string_view key) {
    PackedDecimal value;
    value.key = key;
    value.exponent = ByteAt(key, 0);
    value.digitCount = std::min((ByteAt(key, 1) >> 2) & 0x1F, kMaxPackedDigits);
    // A digit count of 0 or all-zero digits is zero, whatever the other bytes say.
    bool anyDigit = false;
    for (int i = 0; i < value.digitCount && !anyDigit; ++i)
        anyDigit = value.Digit(i) != 0;
    if (anyDigit) value.sign = (ByteAt(key, 1) & 0x80) != 0 ? -1 : 1;
    return value;
}

int ComparePackedDecimals(std::string_view a, std::string_view b) {
    const PackedDecimal x = DecodePackedDecimal(a);
    const PackedDecimal y = DecodePackedDecimal(b);
    if (x.sign != y.sign) return x.sign < y.sign ? -1 : 1;
    if (x.sign == 0) return 0;

    int magnitude = 0; // of |x| against |y|
    if (x.exponent != y.exponent) {
        magnitude = x.exponent < y.exponent ? -1 : 1;
    } else {
        const int digits = std::max(x.digitCount, y.digitCount);
        for (int i = 0; i < digits && magnitude == 0; ++i) {
            if (x.Digit(i) != y.Digit(i)) magnitude = x.Digit(i) < y.Digit(i) ? -1 : 1;
        }
    }
    return x.sign < 0 ? -magnitude : magnitude;
}

// ---- D: Julian day number as a little-endian double --------------------------

int DigitsValue(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Day number of a proleptic Gregorian date (2000-01-01 -> 2451545).
long JulianDayNumber(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// YYYYMMDD; anything that is not a plausible date counts as blank.
double DateKeyValue(std::string_view fieldText) {
    if (fieldText.size() != 8) return kBlankDateKey;
    const int year = DigitsValue(fieldText, 0, 4);
    const int month = DigitsValue(fieldText, 4, 2);
    const int day = DigitsValue(fieldText, 6, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return kBlankDateKey;
    return static_cast<double>(JulianDayNumber(year, month, day));
}

std::string DoubleKey(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string key(8, '\0');
    for (int i = 0; i < 8; ++i)
        key[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return key;
}

double DoubleFromKey(std::string_view key) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(ByteAt(key, i)) << (8 * i);
    return std::bit_cast<double>(bits);
}

int CompareDoubles(std::string_view a, std::string_view b) {
    const double x = DoubleFromKey(a);
    const double y = DoubleFromKey(b);
    if (x < y) return -1;
    return y < x ? 1 : 0;
}

} // namespace

int IndexKeyLength(char fieldType, int fieldLength) {
    switch (fieldType) {
    case 'C':
        return fieldLength;
    case 'N':
    case 'F':
        return kNumericKeyLength;
    case 'D':
        return 8;
    case 'I':
    case '+':
        return 4;
    case 'O':
    case '@':
        return 8;
    default:
        ThrowNotIndexable(fieldType);
    }
}

std::string MakeIndexKey(char fieldType, std::string_view fieldBytes) {
    switch (fieldType) {
    case 'C': {
        // Level-7 tables may hold an empty field as NULs; the key is blank-padded.
        std::string key(fieldBytes);
        std::replace(key.begin(), key.end(), '\0', ' ');
        return key;
    }
    case 'N':
    case 'F':
        return PackedDecimalKey(fieldBytes);
    case 'D':
        return DoubleKey(DateKeyValue(fieldBytes));
    case 'I':
    case '+':
    case 'O':
    case '@':
        return std::string(fieldBytes); // stored byte-sortable already
    default:
        ThrowNotIndexable(fieldType);
    }
}

int CompareIndexKeys(char keyType, std::string_view a, std::string_view b) {
    switch (keyType) {
    case 'N':
    case 'F':
        return ComparePackedDecimals(a, b);
    case 'D':
        return CompareDoubles(a, b);
    default:
        return CompareBytes(a, b);
    }
}

} // namespace tv::tables
