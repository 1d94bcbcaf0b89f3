// The DBF header: its geometry per level, the field descriptors, reading,
// building and patching.
#include "tables/dbf_format.h"

#include "tables/byte_order.h"
#include "tables/dbf_field_text.h"
#include "tables/file_date.h"
#include "tables/table_error.h"
#include "tables/user_text.h"

#include <algorithm>
#include <cstring>

namespace tv::tables {
using namespace dbf_detail;
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

} // namespace

// ---------------------------------------------------------------------------
// Header

DbfHeader ParseDbfHeader(std::span<const std::uint8_t> file, std::string_view fileName) {
    DbfHeader header = ParseDbfHeaderAlone(file, fileName);
    CheckRecordsPresent(file, fileName, header);
    return header;
}

DbfHeader ParseDbfHeaderAlone(std::span<const std::uint8_t> file, std::string_view fileName) {
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
    WriteFileDate(&bytes[1], header.updated);
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
    WriteFileDate(&headerBytes[1], header.updated);
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

} // namespace tv::tables
