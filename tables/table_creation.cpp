#include "tables/table_creation.h"

#include "tables/index_key.h"
#include "tables/mdx_file.h"
#include "tables/table_error.h"
#include "tables/text.h"
#include "tables/user_text.h"

#include <set>

namespace tv::tables {
namespace {

constexpr std::size_t kMaxFieldName = 31;

DbfField FieldFor(const FieldDecl& decl) {
    DbfField field;
    field.name = decl.name;
    switch (decl.kind) {
    case FieldKind::String:
        field.type = 'C';
        field.length = decl.width;
        break;
    case FieldKind::Integer:
        field.type = 'I';
        field.length = 4;
        break;
    case FieldKind::Float:
        field.type = 'O';
        field.length = 8;
        break;
    case FieldKind::Boolean:
        field.type = 'L';
        field.length = 1;
        break;
    }
    return field;
}

} // namespace

std::string TableBaseName(std::string_view name) {
    const auto slash = name.find_last_of("\\/");
    if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    if (name.size() > 4 && AnsiSameText(name.substr(name.size() - 4), ".DBF")) name.remove_suffix(4);
    return std::string(name);
}

void ValidateDecl(std::string_view table, const TableDecl& decl) {
    // %1 is the table, %2 the field.
    const auto fail = [&](std::string_view cp1252Template, std::string_view field = {}) {
        throw TableError(FormatText(cp1252Template, {table, field}));
    };
    if (table.empty()) fail(TV_TEXT("Tablas", "No se puede crear la tabla '%1': falta el nombre."));
    if (decl.fields.empty()) fail(TV_TEXT("Tablas", "No se puede crear la tabla '%1': no tiene campos."));
    std::set<std::string> names;
    for (const FieldDecl& f : decl.fields) {
        if (f.name.empty() || f.name.size() > kMaxFieldName)
            fail(TV_TEXT("Tablas", "No se puede crear la tabla '%1': nombre de campo no válido '%2'."),
                 f.name);
        if (!names.insert(AnsiUpperCase(f.name)).second)
            fail(TV_TEXT("Tablas", "No se puede crear la tabla '%1': campo repetido '%2'."), f.name);
        if (f.kind == FieldKind::String && (f.width < 1 || f.width > 254))
            fail(TV_TEXT("Tablas", "No se puede crear la tabla '%1': anchura no válida del campo '%2'."),
                 f.name);
    }
    for (const std::string& index : decl.indexes)
        if (!names.count(AnsiUpperCase(index)))
            fail(TV_TEXT("Tablas",
                         "No se puede crear la tabla '%1': índice sobre un campo que no existe '%2'."),
                 index);
}

DbfHeader DeclaredHeader(const TableDecl& decl) {
    DbfHeader header;
    header.version = 0x04;
    header.level = 7;
    header.updated = Today();
    header.languageDriverName = "DBWINUS0";
    header.productionMdx = !decl.indexes.empty();
    int offset = 1;
    for (const FieldDecl& f : decl.fields) {
        DbfField field = FieldFor(f);
        field.offset = offset;
        offset += field.length;
        for (const std::string& index : decl.indexes)
            if (AnsiSameText(index, f.name)) field.hasTag = true;
        header.fields.push_back(field);
    }
    header.recordLength = static_cast<std::uint16_t>(offset);
    header.headerLength = static_cast<std::uint16_t>(68 + 48 * header.fields.size() + 1);
    return header;
}

std::vector<std::uint8_t> EmptyIndexImage(std::string_view table, const DbfHeader& header,
                                          const TableDecl& decl) {
    MdxBuild build;
    build.version = 3;
    build.tableName = std::string(table);
    build.created = header.updated;
    build.updated = header.updated;
    for (const std::string& index : decl.indexes) {
        for (const DbfField& field : header.fields) {
            if (!AnsiSameText(field.name, index)) continue;
            MdxTagContent content;
            content.tag.name = AnsiUpperCase(field.name);
            content.tag.expression = field.name;
            content.tag.keyType = field.type;
            content.tag.keyLength = IndexKeyLength(field.type, field.length);
            build.tags.push_back(std::move(content));
        }
    }
    return BuildMdx(build);
}

} // namespace tv::tables
