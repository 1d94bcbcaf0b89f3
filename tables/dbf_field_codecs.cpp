// Field values: reading a field's bytes as text, number or boolean, and
// encoding values into them, per field type.
#include "tables/dbf_format.h"

#include "tables/dbf_calendar.h"
#include "tables/dbf_decimal_text.h"
#include "tables/dbf_field_text.h"
#include "tables/user_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace tv::tables {
using namespace dbf_detail;
namespace {

// ---------------------------------------------------------------------------
// Byte helpers

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
