// Small pieces the five Tablorix writers share.
#pragma once

#include "dae_to_tablorix/export_context.h"
#include "dae_to_tablorix/required_file.h"
#include "tables/table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tv::dae_to_tablorix {

// The Basque or the Castilian text, by the language chosen.
inline const std::string& ByLanguage(const ExportContext& context, const std::string& basque,
                                     const std::string& castilian) {
    return context.Basque() ? basque : castilian;
}

// Stores a text into an integer field the way the table store converts it:
// leading blanks, an optional sign, then decimal digits to the end. An empty
// text leaves the field empty; anything else throws ConversionError
// "'%s' is not a valid integer value for field '%s'".
void SetIntegerFromText(tables::Table& table, std::string_view field, std::string_view text);
// The value SetIntegerFromText stores for a text that is not empty, for the
// steps that build rows in bulk; throws the same ConversionError.
long long IntegerFromText(std::string_view field, std::string_view text);

// A field declaration of each kind, to keep the table layouts readable.
inline tables::FieldDecl TextField(std::string name, int width) {
    return {std::move(name), tables::FieldKind::String, width};
}
inline tables::FieldDecl IntegerField(std::string name) {
    return {std::move(name), tables::FieldKind::Integer, 0};
}
inline tables::FieldDecl FloatField(std::string name) {
    return {std::move(name), tables::FieldKind::Float, 0};
}
inline tables::FieldDecl BooleanField(std::string name) {
    return {std::move(name), tables::FieldKind::Boolean, 0};
}

} // namespace tv::dae_to_tablorix
