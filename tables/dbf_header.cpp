// The DBF header: its geometry per level, the field descriptors, reading,
// building and patching.
#include "tables/dbf_format.h"

#include "tables/byte_order.h"
#include "tables/dbf_field_text.h"
#include "tables/table_error.h"
#include "tables/text.h"

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

// Why a field definition is unusable at `level`, or empty when it is fine.
std::string FieldDefinitionProblem(const DbfField& f, int level) {
    if (f.name.empty()) return "no tiene nombre.";
    const auto badLength = [&f] {
        return "tiene una longitud no v\xE1lida (" + std::to_string(f.length) + ") para el tipo " +
               TypeLabel(f.type) + ".";
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
        if (f.decimals < 0 || (f.decimals > 0 && f.decimals >= f.length))
            return "tiene un n\xFAmero de decimales no v\xE1lido (" + std::to_string(f.decimals) + ").";
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
        return "es de un tipo desconocido (" + TypeLabel(f.type) + ").";
    }
    // dBase III/IV files have no binary fields; FoxPro's little-endian 'I'
    // would otherwise be read as garbage.
    if (IsBinaryType(f.type) && level != 7)
        return "es de tipo " + TypeLabel(f.type) + ", que solo existe en tablas de nivel 7.";
    if (f.length != exact) return badLength();
    return {};
}

std::string FieldLabel(const DbfField& f, std::size_t index) {
    if (f.name.empty()) return "n.\xBA " + std::to_string(index + 1);
    return Quoted(f.name);
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
            FailTable(fileName,
                      std::string(kDamagedHeader) + "la lista de campos no termina dentro de la cabecera.");
        header.fields.push_back(ReadDescriptor(file.data() + pos, layout, header.level));
    }
}

void CheckFields(std::string_view fileName, DbfHeader& header) {
    if (header.fields.empty()) FailTable(fileName, "no tiene campos.");
    std::size_t offset = 1; // byte 0 of a record is the deletion flag
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        DbfField& f = header.fields[i];
        const std::string problem = FieldDefinitionProblem(f, header.level);
        if (!problem.empty())
            throw TableError("El campo " + FieldLabel(f, i) + " de la tabla " + Quoted(fileName) + " " +
                             problem);
        f.offset = static_cast<int>(offset);
        offset += static_cast<std::size_t>(f.length);
    }
    if (offset != header.recordLength)
        FailTable(fileName, std::string(kDamagedHeader) + "la longitud de registro (" +
                                std::to_string(header.recordLength) + ") no es la suma de sus campos (" +
                                std::to_string(offset) + ").");
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
        FailTable(fileName, "est\xE1 truncada: declara " + std::to_string(header.recordCount) +
                                " registros y solo contiene " + std::to_string(present) + ".");
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Header

DbfHeader ParseDbfHeader(std::span<const std::uint8_t> file, std::string_view fileName) {
    if (file.empty())
        FailTable(fileName, "est\xE1 vac\xED"
                            "a.");
    DbfHeader header;
    header.version = file[0];
    header.level = LevelOfVersion(header.version);
    if (header.level == 0)
        FailTable(fileName, "no es una tabla dBase (versi\xF3n " + HexByte(header.version) + ").");
    const std::size_t minimum = header.level == 7 ? kLevel7HeaderSize : kMainHeaderSize;
    if (file.size() < minimum)
        FailTable(fileName, "est\xE1 truncada: tiene " + std::to_string(file.size()) +
                                " bytes y su cabecera necesita al menos " + std::to_string(minimum) + ".");

    header.updated = FileDate{file[1], file[2], file[3]};
    header.recordCount = ReadLe32(&file[4]);
    header.headerLength = ReadLe16(&file[8]);
    header.recordLength = ReadLe16(&file[10]);
    header.productionMdx = file[kMdxFlagAt] != 0;
    header.languageDriver = file[kLanguageDriverAt];
    if (header.level == 7) header.languageDriverName = ReadName(&file[kDriverNameAt], kDriverNameSize);

    if (header.headerLength > file.size())
        FailTable(fileName, "est\xE1 truncada: su cabecera declara " + std::to_string(header.headerLength) +
                                " bytes y el archivo tiene " + std::to_string(file.size()) + ".");
    ReadDescriptors(file, fileName, header);
    CheckFields(fileName, header);
    RefineLevel3(header);
    CheckRecordsPresent(file, fileName, header);
    return header;
}

std::vector<std::uint8_t> BuildLevel7Header(const DbfHeader& header) {
    if (header.fields.empty()) throw TableError("No se puede crear una tabla sin campos.");
    const std::size_t headerLength = kLevel7HeaderSize + kLayout7.size * header.fields.size() + 1;
    std::size_t recordLength = 1;
    for (const DbfField& f : header.fields) {
        const std::string problem = FieldDefinitionProblem(f, 7);
        if (!problem.empty()) FailField(f, problem);
        if (f.name.size() > kMaxLevel7NameLength)
            FailField(f, "tiene un nombre demasiado largo (m\xE1ximo " +
                             std::to_string(kMaxLevel7NameLength) + " caracteres).");
        recordLength += static_cast<std::size_t>(f.length);
    }
    if (headerLength > 0xFFFF || recordLength > 0xFFFF)
        throw TableError("No se puede crear la tabla: tiene demasiados campos.");

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
        throw TableError("La cabecera de la tabla es m\xE1s corta que su lista de campos.");
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
