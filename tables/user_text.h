// User-visible texts of the core: written in the source as UTF-8 Spanish,
// translated by whatever the front end installs, handed on in Windows-1252
// like every other text inside the core.
//
//   prompt.Message(tv::FormatText(TV_TEXT("Exportar", "No existe el fichero %1."), {name}));
//
// TV_TEXT is read by lupdate as QT_TRANSLATE_NOOP (see translations/), so the
// catalogue holds every text of the core beside the windows' own.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tv {

// Returns the translation of a UTF-8 source text, in UTF-8; an empty result
// means "no translation" and the source text is used.
using TextTranslator = std::string (*)(const char* context, const char* utf8_source);

// Installed once at start-up by a front end; none means Spanish.
void SetTextTranslator(TextTranslator translator);

// The text in the user's language, in Windows-1252. A translation that
// Windows-1252 cannot hold falls back to the Spanish source.
std::string UserText(const char* context, const char* utf8_source);

// Replaces %1..%9 in a Windows-1252 template by the arguments (already in
// Windows-1252). An argument's own '%' signs are left alone.
std::string FormatText(std::string_view cp1252_template, std::initializer_list<std::string_view> arguments);

} // namespace tv

#define TV_TEXT(context, utf8_source) ::tv::UserText(context, utf8_source)
