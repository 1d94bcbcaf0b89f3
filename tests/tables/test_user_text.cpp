// User texts: the installed translation, its fallbacks, and the %N arguments.
#include "tables/user_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tv {
namespace {

std::string Basque(const char*, const char* source) {
    if (std::strcmp(source, "Año %1") == 0) return "%1. urtea";
    if (std::strcmp(source, "Guardar") == 0) return "Gorde \xE2\x82\xAC"; // the euro sign fits Windows-1252
    if (std::strcmp(source, "Salir") == 0) return "Irten \xE2\x86\x92";   // an arrow does not
    return "";
}

struct TranslatorScope {
    explicit TranslatorScope(TextTranslator t) { SetTextTranslator(t); }
    ~TranslatorScope() { SetTextTranslator(nullptr); }
};

TEST(UserTextTest, TranslatesIntoWindows1252AndFallsBackToTheSource) {
    EXPECT_EQ(UserText("Prueba", "Año %1"), "A\xF1o %1"); // no translator: Spanish
    TranslatorScope scope(&Basque);
    const std::pair<const char*, std::string> cases[] = {
        {"Año %1", "%1. urtea"},
        {"Guardar", "Gorde \x80"},
        {"Salir", "Salir"},       // untranslatable in Windows-1252: the source
        {"Cancelar", "Cancelar"}, // untranslated: the source
    };
    for (const auto& [source, expected] : cases) {
        SCOPED_TRACE(source);
        EXPECT_EQ(TV_TEXT("Prueba", source), expected);
    }
}

TEST(UserTextTest, FormatsNumberedArgumentsOnce) {
    const struct {
        const char* pattern;
        std::string expected;
    } cases[] = {
        {"%1 y %2", "a%2 y 100%"}, // an argument's own % is not read again
        {"%2-%1-%1", "100%-a%2-a%2"},
        {"%3 %", "%3 %"}, // missing arguments and lone % stay as written
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatText(c.pattern, {"a%2", "100%"}), c.expected);
    }
}

} // namespace
} // namespace tv
