#include "tables/dbf_format.h"

#include "tables/table_error.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace tv::tables {
namespace {

// ---------------------------------------------------------------------------
// Header geometry

constexpr std::size_t kMainHeaderSize = 32;   // levels 3 and 4
constexpr std::size_t kLevel7HeaderSize = 68; // adds the language driver name
constexpr std::uint8_t kTerminator = 0x0D;    // ends the descriptor array
constexpr std::size_t kMdxFlagAt = kProductionMdxFlagAt;
constexpr std::size_t kLanguageDriverAt = 29;
constexpr std::size_t kDriverNameAt = 32;
constexpr std::size_t kDriverNameSize = 32;
constexpr std::size_t kAutoIncrementAt = 42; // inside a level-7 descriptor
constexpr std::size_t kMaxLevel7NameLength = 31;
constexpr char kDefaultDriverName[] = "DBWINUS0";

// Where the parts of a field descriptor sit; the two layouts differ only in
// these numbers, so one parser serves both.
struct DescriptorLayout {
    std::size_t first;    // offset of the first descriptor in the file
    std::size_t size;     // bytes per descriptor
    std::size_t nameSize; // NUL padded
    std::size_t typeAt;
    std::size_t lengthAt;
    std::size_t decimalsAt;
    std::size_t tagAt; // production-index flag
};

constexpr DescriptorLayout kLayout4{kMainHeaderSize, 32, 11, 11, 16, 17, 31};
constexpr DescriptorLayout kLayout7{kLevel7HeaderSize, 48, 32, 32, 33, 34, 37};

const DescriptorLayout& LayoutOf(int level) {
    return level == 7 ? kLayout7 : kLayout4;
}

// 0 for versions we do not read. 0x03 is settled later (see RefineLevel3).
int LevelOfVersion(std::uint8_t version) {
    switch (version) {
    case 0x03:
    case 0x83:
        return 3;
    case 0x8B:
        return 4;
    case 0x04:
    case 0x8C:
        return 7;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// Byte helpers

std::uint16_t ReadLe16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void WriteLe16(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteLe32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Level-7 binary fields are big-endian so that their bytes sort like their values.
std::uint64_t ReadBigEndian(std::string_view bytes) {
    std::uint64_t value = 0;
    for (const char c : bytes)
        value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

void WriteBigEndian(char* out, std::uint64_t value, int size) {
    for (int i = size - 1; i >= 0; --i) {
        out[i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

void WriteDate(std::uint8_t* p, const FileDate& date) {
    p[0] = date.yearsSince1900;
    p[1] = date.month;
    p[2] = date.day;
}

// ---------------------------------------------------------------------------
// Messages (Windows-1252 text)

std::string Quoted(std::string_view text) {
    return QuotedForMessage(text);
}

std::string HexByte(std::uint8_t value) {
    constexpr char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[value >> 4] + digits[value & 0x0F];
}

std::string TypeLabel(char type) {
    const auto byte = static_cast<unsigned char>(type);
    if (byte > 0x20 && byte < 0x7F) return Quoted(std::string_view(&type, 1));
    return HexByte(byte);
}

// Throws the sentence `cp1252Template` with its %1.. filled in.
[[noreturn]] void Fail(std::string_view cp1252Template, std::initializer_list<std::string_view> arguments) {
    throw TableError(FormatText(cp1252Template, arguments));
}

// A value that does not fit the field: %1 is the field, %2 the value.
[[noreturn]] void FailValue(std::string_view cp1252Template, const DbfField& def, std::string_view text) {
    Fail(cp1252Template, {Quoted(def.name), Quoted(text)});
}

// ---------------------------------------------------------------------------
// Field definitions

bool IsBinaryType(char type) {
    return type == 'I' || type == '+' || type == 'O' || type == '@';
}

std::string FieldLabel(const DbfField& f, std::size_t index) {
    if (f.name.empty()) return FormatText(TV_TEXT("Tablas", "n.º %1"), {std::to_string(index + 1)});
    return Quoted(f.name);
}

// Why a field definition is unusable at `level`, as the sentence to show, or
// empty when it is fine. `label` names the field; `fileName` is the table it
// was read from, empty for a table being created.
std::string FieldDefinitionProblem(const DbfField& f, int level, std::string_view label,
                                   std::string_view fileName) {
    const std::string table = Quoted(fileName);
    const bool read = !fileName.empty();
    if (f.name.empty())
        return read ? FormatText(TV_TEXT("Tablas", "El campo %1 de la tabla %2 no tiene nombre."),
                                 {label, table})
                    : FormatText(TV_TEXT("Tablas", "El campo %1 no tiene nombre."), {label});
    const std::string type = TypeLabel(f.type);
    const auto badLength = [&] {
        const std::string length = std::to_string(f.length);
        return read
                   ? FormatText(
                         TV_TEXT(
                             "Tablas",
                             "El campo %1 de la tabla %4 tiene una longitud no válida (%2) para el tipo %3."),
                         {label, length, type, table})
                   : FormatText(
                         TV_TEXT("Tablas", "El campo %1 tiene una longitud no válida (%2) para el tipo %3."),
                         {label, length, type});
    };
    int exact = 0; // the only length allowed, for the fixed-size types
    switch (f.type) {
    case 'C':
        if (f.length < 1 || f.length > 254) return badLength();
        return {};
    case 'N':
    case 'F':
        if (f.length < 1 || f.length > 20) return badLength();
        // Lenient: room for the point is enough (".5" in N(2,1)); writing
        // checks the actual width anyway.
        if (f.decimals < 0 || (f.decimals > 0 && f.decimals >= f.length)) {
            const std::string decimals = std::to_string(f.decimals);
            return read ? FormatText(
                              TV_TEXT(
                                  "Tablas",
                                  "El campo %1 de la tabla %3 tiene un número de decimales no válido (%2)."),
                              {label, decimals, table})
                        : FormatText(
                              TV_TEXT("Tablas", "El campo %1 tiene un número de decimales no válido (%2)."),
                              {label, decimals});
        }
        return {};
    case 'L':
        exact = 1;
        break;
    case 'D':
        exact = 8;
        break;
    case 'M':
    case 'B':
    case 'G':
        exact = 10;
        break;
    case 'I':
    case '+':
        exact = 4;
        break;
    case 'O':
    case '@':
        exact = 8;
        break;
    default:
        return read ? FormatText(
                          TV_TEXT("Tablas", "El campo %1 de la tabla %3 es de un tipo desconocido (%2)."),
                          {label, type, table})
                    : FormatText(TV_TEXT("Tablas", "El campo %1 es de un tipo desconocido (%2)."),
                                 {label, type});
    }
    // dBase III/IV files have no binary fields; FoxPro's little-endian 'I'
    // would otherwise be read as garbage.
    if (IsBinaryType(f.type) && level != 7)
        return read
                   ? FormatText(
                         TV_TEXT(
                             "Tablas",
                             "El campo %1 de la tabla %3 es de tipo %2, que solo existe en tablas de nivel 7."),
                         {label, type, table})
                   : FormatText(TV_TEXT("Tablas",
                                        "El campo %1 es de tipo %2, que solo existe en tablas de nivel 7."),
                                {label, type});
    if (f.length != exact) return badLength();
    return {};
}

// Name up to the first NUL of its slot.
std::string ReadName(const std::uint8_t* p, std::size_t slot) {
    const auto* end = std::find(p, p + slot, std::uint8_t{0});
    return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p));
}

DbfField ReadDescriptor(const std::uint8_t* p, const DescriptorLayout& layout, int level) {
    DbfField f;
    f.name = ReadName(p, layout.nameSize);
    f.type = static_cast<char>(p[layout.typeAt]);
    f.length = p[layout.lengthAt];
    f.decimals = p[layout.decimalsAt];
    f.hasTag = p[layout.tagAt] != 0;
    if (level == 7 && f.type == '+') f.nextAutoIncrement = ReadLe32(p + kAutoIncrementAt);
    return f;
}

// Reads descriptors from layout.first up to the 0x0D terminator, which must lie
// inside the declared header (a level-7 property block may follow it).
void ReadDescriptors(std::span<const std::uint8_t> file, std::string_view fileName, DbfHeader& header) {
    const DescriptorLayout& layout = LayoutOf(header.level);
    const std::size_t headerEnd = header.headerLength; // already checked against the file size
    for (std::size_t pos = layout.first;; pos += layout.size) {
        if (pos < headerEnd && file[pos] == kTerminator) return;
        if (pos + layout.size > headerEnd)
            Fail(
                TV_TEXT(
                    "Tablas",
                    "La tabla %1 tiene la cabecera dañada: la lista de campos no termina dentro de la cabecera."),
                {Quoted(fileName)});
        header.fields.push_back(ReadDescriptor(file.data() + pos, layout, header.level));
    }
}

void CheckFields(std::string_view fileName, DbfHeader& header) {
    if (header.fields.empty()) Fail(TV_TEXT("Tablas", "La tabla %1 no tiene campos."), {Quoted(fileName)});
    std::size_t offset = 1; // byte 0 of a record is the deletion flag
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        DbfField& f = header.fields[i];
        const std::string problem = FieldDefinitionProblem(f, header.level, FieldLabel(f, i), fileName);
        if (!problem.empty()) throw TableError(problem);
        f.offset = static_cast<int>(offset);
        offset += static_cast<std::size_t>(f.length);
    }
    if (offset != header.recordLength)
        Fail(
            TV_TEXT(
                "Tablas",
                "La tabla %1 tiene la cabecera dañada: la longitud de registro (%2) no es la suma de sus campos (%3)."),
            {Quoted(fileName), std::to_string(header.recordLength), std::to_string(offset)});
}

// Version 0x03 is written by dBase III and by dBase IV/5 alike. A language
// driver, a production index or a field type that dBase III lacks can only
// come from level 4; without any of them level 3 describes the file fully.
void RefineLevel3(DbfHeader& header) {
    if (header.version != 0x03) return;
    const bool level4Field = std::any_of(header.fields.begin(), header.fields.end(), [](const DbfField& f) {
        return f.type == 'F' || f.type == 'B' || f.type == 'G';
    });
    if (header.languageDriver != 0 || header.productionMdx || level4Field) header.level = 4;
}

void CheckRecordsPresent(std::span<const std::uint8_t> file, std::string_view fileName,
                         const DbfHeader& header) {
    const std::uint64_t needed =
        header.headerLength + static_cast<std::uint64_t>(header.recordCount) * header.recordLength;
    if (needed > file.size()) {
        const std::uint64_t present = (file.size() - header.headerLength) / header.recordLength;
        Fail(TV_TEXT("Tablas", "La tabla %1 está truncada: declara %2 registros y solo contiene %3."),
             {Quoted(fileName), std::to_string(header.recordCount), std::to_string(present)});
    }
}

// ---------------------------------------------------------------------------
// Text helpers for field bytes. NUL counts as a blank: level-7 writers fill
// empty character fields with NULs.

bool IsBlank(char c) {
    return c == ' ' || c == '\0';
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view Trim(std::string_view s) {
    s = TrimRight(s);
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

bool AllBlank(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsBlank);
}

bool AllZeroBytes(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == '\0'; });
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

// ---------------------------------------------------------------------------
// Decimal text: [+|-] digits [. digits] [e|E [+|-] digits]

struct DecimalText {
    bool negative = false;
    std::string_view integer;  // digits before the point
    std::string_view fraction; // digits after it
    bool exponent = false;
    std::string_view number; // the whole text without a leading '+', for from_chars
};

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

// ---------------------------------------------------------------------------
// Binary level-7 values

constexpr std::uint32_t kIntegerFlip = 0x80000000u;
constexpr std::uint64_t kDoubleSign = 0x8000000000000000ull;

bool DecodeInteger(std::string_view field, std::int32_t& value) {
    if (field.size() != 4 || AllZeroBytes(field)) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(ReadBigEndian(field)) ^ kIntegerFlip);
    return true;
}

// Positive doubles are stored with the sign bit set, negatives with every bit
// inverted, so that the bytes compare like the values.
bool DecodeSortableDouble(std::string_view field, double& value) {
    if (field.size() != 8 || AllZeroBytes(field)) return false;
    std::uint64_t bits = ReadBigEndian(field);
    bits = (bits & kDoubleSign) ? (bits ^ kDoubleSign) : ~bits;
    value = std::bit_cast<double>(bits);
    return true;
}

bool DecodePlainDouble(std::string_view field, double& value) {
    if (field.size() != 8 || AllZeroBytes(field)) return false;
    value = std::bit_cast<double>(ReadBigEndian(field));
    return true;
}

std::string IntegerText(std::int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// ---------------------------------------------------------------------------
// Calendar. Timestamps count milliseconds from a day numbering in which
// 0001-01-01 is day 1 (so its midnight is 86,400,000).

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to a proleptic Gregorian date (and back), by the
// era/day-of-era method, valid for every year we handle.
constexpr std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int year;
    int month;
    int day;
};

constexpr CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

// Day number of 1970-01-01 (DaysFromCivil counts from there).
constexpr std::int64_t kDayOf1970 = 1 - DaysFromCivil(1, 1, 1);
constexpr std::int64_t kEndTimestampDay = DaysFromCivil(10000, 1, 1) + kDayOf1970; // exclusive
static_assert(kDayOf1970 == 719163);

void WritePadded(char*& p, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    p += width;
}

// "YYYY-MM-DD HH:MM:SS"; a value outside the years 1..9999 shows its raw count.
std::string TimestampText(double ms) {
    if (!(ms >= static_cast<double>(kMsPerDay) && ms < static_cast<double>(kEndTimestampDay * kMsPerDay)))
        return ShortestDecimal(ms);
    const std::int64_t total = std::llround(ms);
    const std::int64_t dayNumber = total / kMsPerDay;
    const std::int64_t seconds = (total % kMsPerDay) / 1000;
    const CivilDate date = CivilFromDays(dayNumber - kDayOf1970);
    char buffer[19];
    char* p = buffer;
    WritePadded(p, date.year, 4);
    *p++ = '-';
    WritePadded(p, date.month, 2);
    *p++ = '-';
    WritePadded(p, date.day, 2);
    *p++ = ' ';
    WritePadded(p, static_cast<int>(seconds / 3600), 2);
    *p++ = ':';
    WritePadded(p, static_cast<int>(seconds / 60 % 60), 2);
    *p++ = ':';
    WritePadded(p, static_cast<int>(seconds % 60), 2);
    return std::string(buffer, sizeof buffer);
}

// Reads `count` digits at `pos` into `value`.
bool ReadDigits(std::string_view s, std::size_t pos, std::size_t count, int& value) {
    if (pos + count > s.size()) return false;
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (!IsDigit(s[i])) return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

bool ValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    const CivilDate back = CivilFromDays(DaysFromCivil(year, month, day));
    return back.month == month && back.day == day; // rejects 31 April, 29 Feb 2023...
}

// "YYYY-MM-DD" with an optional " HH:MM:SS" (or "T" as separator).
bool ParseTimestamp(std::string_view s, double& ms) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadDigits(s, 0, 4, year) || s.size() < 10 || s[4] != '-' || !ReadDigits(s, 5, 2, month) ||
        s[7] != '-' || !ReadDigits(s, 8, 2, day) || !ValidDate(year, month, day))
        return false;
    if (s.size() != 10) {
        if (s.size() != 19 || (s[10] != ' ' && s[10] != 'T') || !ReadDigits(s, 11, 2, hour) || s[13] != ':' ||
            !ReadDigits(s, 14, 2, minute) || s[16] != ':' || !ReadDigits(s, 17, 2, second) || hour > 23 ||
            minute > 59 || second > 59)
            return false;
    }
    const std::int64_t dayNumber = DaysFromCivil(year, month, day) + kDayOf1970;
    ms = static_cast<double>(dayNumber * kMsPerDay + ((hour * 60 + minute) * 60 + second) * 1000LL);
    return true;
}

// "YYYYMMDD" or "YYYY-MM-DD" to the stored "YYYYMMDD".
bool ParseDate(std::string_view s, char* out) {
    int year = 0, month = 0, day = 0;
    if (s.size() == 8 && ReadDigits(s, 0, 4, year) && ReadDigits(s, 4, 2, month) &&
        ReadDigits(s, 6, 2, day)) {
        if (!ValidDate(year, month, day)) return false;
        std::memcpy(out, s.data(), 8);
        return true;
    }
    if (s.size() == 10 && s[4] == '-' && s[7] == '-' && ReadDigits(s, 0, 4, year) &&
        ReadDigits(s, 5, 2, month) && ReadDigits(s, 8, 2, day) && ValidDate(year, month, day)) {
        std::memcpy(out, s.data(), 4);
        std::memcpy(out + 4, s.data() + 5, 2);
        std::memcpy(out + 6, s.data() + 8, 2);
        return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Encoding helpers

void RequireLength(const DbfField& def, int length) {
    if (def.length != length)
        Fail(TV_TEXT("Tablas", "El campo %1 tiene una longitud no válida (%2) para el tipo %3."),
             {Quoted(def.name), std::to_string(def.length), TypeLabel(def.type)});
}

void WriteLeftAligned(const DbfField& def, std::string_view text, char* out) {
    const auto width = static_cast<std::size_t>(def.length);
    const std::size_t used = std::min(width, text.size());
    // An empty view may carry a null pointer, which memcpy must never see.
    if (used > 0) std::memcpy(out, text.data(), used);
    std::memset(out + used, ' ', width - used);
}

void EncodeNumericText(const DbfField& def, std::string_view text, char* out) {
    DecimalText d;
    if (!SplitDecimal(text, d))
        FailValue(TV_TEXT("Tablas", "El campo %1 no admite el valor %2: se esperaba un número."), def, text);
    if (d.exponent || (def.type != 'N' && def.type != 'F')) {
        double value = 0;
        if (!ParseDouble(d, value))
            FailValue(TV_TEXT("Tablas", "El campo %1 no admite el valor %2: se esperaba un número."), def,
                      text);
        EncodeNumber(def, value, out);
        return;
    }
    WriteFixed(def, d, out);
}

void EncodeLogicalText(const DbfField& def, std::string_view text, char* out) {
    RequireLength(def, 1);
    if (text.empty() || text == "?") {
        *out = ' ';
        return;
    }
    switch (text.front()) {
    case 'T':
    case 't':
    case 'Y':
    case 'y':
        *out = 'T';
        return;
    case 'F':
    case 'f':
    case 'N':
    case 'n':
        *out = 'F';
        return;
    default:
        FailValue(TV_TEXT("Tablas", "El campo %1 no admite el valor %2: se esperaba True o False."), def,
                  text);
    }
}

// A memo field holds only the number of its first block in the memo file.
void EncodeBlockNumber(const DbfField& def, std::string_view text, char* out) {
    const auto width = static_cast<std::size_t>(def.length);
    if (!AllDigits(text) || text.size() > width)
        FailValue(TV_TEXT("Tablas", "El campo %1 no admite el valor %2: se esperaba un número de bloque."),
                  def, text);
    std::memset(out, ' ', width - text.size());
    if (!text.empty()) std::memcpy(out + (width - text.size()), text.data(), text.size());
}

} // namespace

// ---------------------------------------------------------------------------
// Header

DbfHeader ParseDbfHeader(std::span<const std::uint8_t> file, std::string_view fileName) {
    if (file.empty()) Fail(TV_TEXT("Tablas", "La tabla %1 está vacía."), {Quoted(fileName)});
    DbfHeader header;
    header.version = file[0];
    header.level = LevelOfVersion(header.version);
    if (header.level == 0)
        Fail(TV_TEXT("Tablas", "La tabla %1 no es una tabla dBase (versión %2)."),
             {Quoted(fileName), HexByte(header.version)});
    const std::size_t minimum = header.level == 7 ? kLevel7HeaderSize : kMainHeaderSize;
    if (file.size() < minimum)
        Fail(TV_TEXT("Tablas",
                     "La tabla %1 está truncada: tiene %2 bytes y su cabecera necesita al menos %3."),
             {Quoted(fileName), std::to_string(file.size()), std::to_string(minimum)});

    header.updated = FileDate{file[1], file[2], file[3]};
    header.recordCount = ReadLe32(&file[4]);
    header.headerLength = ReadLe16(&file[8]);
    header.recordLength = ReadLe16(&file[10]);
    header.productionMdx = file[kMdxFlagAt] != 0;
    header.languageDriver = file[kLanguageDriverAt];
    if (header.level == 7) header.languageDriverName = ReadName(&file[kDriverNameAt], kDriverNameSize);

    if (header.headerLength > file.size())
        Fail(TV_TEXT("Tablas",
                     "La tabla %1 está truncada: su cabecera declara %2 bytes y el archivo tiene %3."),
             {Quoted(fileName), std::to_string(header.headerLength), std::to_string(file.size())});
    ReadDescriptors(file, fileName, header);
    CheckFields(fileName, header);
    RefineLevel3(header);
    CheckRecordsPresent(file, fileName, header);
    return header;
}

std::vector<std::uint8_t> BuildLevel7Header(const DbfHeader& header) {
    if (header.fields.empty()) throw TableError(TV_TEXT("Tablas", "No se puede crear una tabla sin campos."));
    const std::size_t headerLength = kLevel7HeaderSize + kLayout7.size * header.fields.size() + 1;
    std::size_t recordLength = 1;
    for (const DbfField& f : header.fields) {
        const std::string problem = FieldDefinitionProblem(f, 7, Quoted(f.name), {});
        if (!problem.empty()) throw TableError(problem);
        if (f.name.size() > kMaxLevel7NameLength)
            Fail(TV_TEXT("Tablas", "El campo %1 tiene un nombre demasiado largo (máximo %2 caracteres)."),
                 {Quoted(f.name), std::to_string(kMaxLevel7NameLength)});
        recordLength += static_cast<std::size_t>(f.length);
    }
    if (headerLength > 0xFFFF || recordLength > 0xFFFF)
        throw TableError(TV_TEXT("Tablas", "No se puede crear la tabla: tiene demasiados campos."));

    std::vector<std::uint8_t> bytes(headerLength, 0);
    bytes[0] = 0x04; // level 7 without memo file: we never create memo fields
    WriteDate(&bytes[1], header.updated);
    WriteLe32(&bytes[4], header.recordCount);
    WriteLe16(&bytes[8], static_cast<std::uint16_t>(headerLength));
    WriteLe16(&bytes[10], static_cast<std::uint16_t>(recordLength));
    bytes[kMdxFlagAt] = header.productionMdx ? 1 : 0;
    std::memcpy(&bytes[kDriverNameAt], kDefaultDriverName, sizeof kDefaultDriverName - 1);

    std::uint8_t* p = &bytes[kLevel7HeaderSize];
    for (const DbfField& f : header.fields) {
        std::memcpy(p, f.name.data(), f.name.size());
        p[kLayout7.typeAt] = static_cast<std::uint8_t>(f.type);
        p[kLayout7.lengthAt] = static_cast<std::uint8_t>(f.length);
        p[kLayout7.decimalsAt] = static_cast<std::uint8_t>(f.decimals);
        p[kLayout7.tagAt] = f.hasTag ? 1 : 0;
        if (f.type == '+') WriteLe32(p + kAutoIncrementAt, f.nextAutoIncrement);
        p += kLayout7.size;
    }
    *p = kTerminator;
    return bytes;
}

void PatchDbfHeader(std::vector<std::uint8_t>& headerBytes, const DbfHeader& header) {
    const DescriptorLayout& layout = LayoutOf(header.level);
    if (headerBytes.size() < layout.first + layout.size * header.fields.size())
        throw TableError(TV_TEXT("Tablas", "La cabecera de la tabla es más corta que su lista de campos."));
    WriteDate(&headerBytes[1], header.updated);
    WriteLe32(&headerBytes[4], header.recordCount);
    headerBytes[kMdxFlagAt] = header.productionMdx ? 1 : 0;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const DbfField& f = header.fields[i];
        std::uint8_t* p = &headerBytes[layout.first + i * layout.size];
        p[layout.tagAt] = f.hasTag ? 1 : 0;
        // The '+' counter moves on with every append; writing it back is a
        // no-op unless the caller advanced it.
        if (header.level == 7 && f.type == '+') WriteLe32(p + kAutoIncrementAt, f.nextAutoIncrement);
    }
}

// ---------------------------------------------------------------------------
// Field values

bool IsBlankField(const DbfField& def, std::string_view field) {
    switch (def.type) {
    case 'I':
    case '+':
    case 'O':
    case '@':
        return AllZeroBytes(field);
    case 'L':
        return std::all_of(field.begin(), field.end(), [](char c) { return IsBlank(c) || c == '?'; });
    case 'D':
        // Some writers leave "00000000" for an empty date.
        return std::all_of(field.begin(), field.end(), [](char c) { return IsBlank(c) || c == '0'; });
    default:
        return AllBlank(field);
    }
}

std::string FieldText(const DbfField& def, std::string_view field) {
    if (IsBlankField(def, field)) return {};
    switch (def.type) {
    case 'N':
    case 'F':
        return NumericFieldText(field);
    case 'I':
    case '+': {
        std::int32_t value = 0;
        return DecodeInteger(field, value) ? IntegerText(value) : std::string();
    }
    case 'O': {
        double value = 0;
        return DecodeSortableDouble(field, value) ? ShortestDecimal(value) : std::string();
    }
    case '@': {
        double ms = 0;
        return DecodePlainDouble(field, ms) ? TimestampText(ms) : std::string();
    }
    case 'L': {
        const char c = field.front();
        if (c == 'T' || c == 't' || c == 'Y' || c == 'y') return "True";
        if (c == 'F' || c == 'f' || c == 'N' || c == 'n') return "False";
        return {};
    }
    case 'D':
        return std::string(field);
    case 'M':
    case 'B':
    case 'G':
        return std::string(Trim(field));
    default: {
        std::string text(TrimRight(field));
        std::replace(text.begin(), text.end(), '\0', ' ');
        return text;
    }
    }
}

bool FieldNumber(const DbfField& def, std::string_view field, double& value) {
    switch (def.type) {
    case 'N':
    case 'F': {
        DecimalText d;
        return SplitDecimal(Trim(field), d) && ParseDouble(d, value);
    }
    case 'I':
    case '+': {
        std::int32_t integer = 0;
        if (!DecodeInteger(field, integer)) return false;
        value = integer;
        return true;
    }
    case 'O': {
        double number = 0;
        if (!DecodeSortableDouble(field, number) || std::isnan(number)) return false;
        value = number;
        return true;
    }
    default:
        return false;
    }
}

bool FieldBoolean(const DbfField& def, std::string_view field) {
    if (def.type != 'L' || field.empty()) return false;
    const char c = field.front();
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

void EncodeText(const DbfField& def, std::string_view text, char* out) {
    if (def.type == 'C') {
        WriteLeftAligned(def, text, out);
        return;
    }
    const std::string_view value = Trim(text);
    if (value.empty()) {
        EncodeBlank(def, out);
        return;
    }
    switch (def.type) {
    case 'N':
    case 'F':
    case 'I':
    case '+':
    case 'O':
        EncodeNumericText(def, value, out);
        return;
    case 'L':
        EncodeLogicalText(def, value, out);
        return;
    case 'D':
        RequireLength(def, 8);
        if (!ParseDate(value, out))
            FailValue(TV_TEXT("Tablas", "El campo %1 no admite el valor %2: se esperaba una fecha AAAAMMDD."),
                      def, value);
        return;
    case '@': {
        RequireLength(def, 8);
        double ms = 0;
        if (!ParseTimestamp(value, ms))
            FailValue(
                TV_TEXT(
                    "Tablas",
                    "El campo %1 no admite el valor %2: se esperaba una fecha y hora AAAA-MM-DD HH:MM:SS."),
                def, value);
        WriteBigEndian(out, std::bit_cast<std::uint64_t>(ms), 8);
        return;
    }
    case 'M':
    case 'B':
    case 'G':
        EncodeBlockNumber(def, value, out);
        return;
    default:
        Fail(TV_TEXT("Tablas", "El campo %1 es de un tipo desconocido (%2)."),
             {Quoted(def.name), TypeLabel(def.type)});
    }
}

void EncodeNumber(const DbfField& def, double value, char* out) {
    if (!std::isfinite(value))
        Fail(TV_TEXT("Tablas", "El campo %1 no admite un valor que no es un número finito."),
             {Quoted(def.name)});
    switch (def.type) {
    case 'N':
    case 'F': {
        // The shortest text of the double is what the user sees; rounding that
        // text (not the binary value) keeps 2.675 -> 2.68.
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        DecimalText d;
        if (result.ec != std::errc{} || !SplitDecimal(std::string_view(buffer, result.ptr), d))
            Fail(TV_TEXT("Tablas", "El campo %1 no admite el número %2."),
                 {Quoted(def.name), ShortestDecimal(value)});
        WriteFixed(def, d, out);
        return;
    }
    case 'I':
    case '+': {
        RequireLength(def, 4);
        const double rounded = std::round(value);
        // -2^31 would store as four zero bytes, which read back as null.
        if (rounded < -2147483647.0 || rounded > 2147483647.0)
            Fail(TV_TEXT("Tablas",
                         "El campo %1 no admite el número %2: está fuera del rango de un entero de 32 bits."),
                 {Quoted(def.name), ShortestDecimal(value)});
        const auto integer = static_cast<std::int32_t>(rounded);
        WriteBigEndian(out, static_cast<std::uint32_t>(integer) ^ kIntegerFlip, 4);
        return;
    }
    case 'O': {
        RequireLength(def, 8);
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
        WriteBigEndian(out, value < 0 ? ~bits : (bits | kDoubleSign), 8);
        return;
    }
    default:
        Fail(TV_TEXT("Tablas", "El campo %1 no es numérico (tipo %2)."),
             {Quoted(def.name), TypeLabel(def.type)});
    }
}

void EncodeBoolean(const DbfField& def, bool value, char* out) {
    if (def.type != 'L')
        Fail(TV_TEXT("Tablas", "El campo %1 no es lógico (tipo %2)."),
             {Quoted(def.name), TypeLabel(def.type)});
    RequireLength(def, 1);
    *out = value ? 'T' : 'F';
}

void EncodeBlank(const DbfField& def, char* out) {
    std::memset(out, IsBinaryType(def.type) ? '\0' : ' ', static_cast<std::size_t>(def.length));
}

std::string ShortestDecimal(double value) {
    if (value == 0) return "0"; // also for -0
    // Plain digits for every magnitude a person would type; the exponent form
    // only outside that range.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-7 && magnitude < 1e21;
    char buffer[64];
    const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                              : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace tv::tables
