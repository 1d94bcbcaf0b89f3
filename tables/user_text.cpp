#include "tables/user_text.h"

#include "tables/cp1252.h"

#include <atomic>

namespace tv {

namespace {
std::atomic<TextTranslator> installed_translator{nullptr};
}

void SetTextTranslator(TextTranslator translator) {
    installed_translator.store(translator);
}

std::string UserText(const char* context, const char* utf8_source) {
    if (const TextTranslator translator = installed_translator.load()) {
        const std::string translated = translator(context, utf8_source);
        std::string cp1252;
        char32_t bad = 0;
        if (!translated.empty() && TryUtf8ToCp1252(translated, cp1252, bad)) return cp1252;
    }
    return Utf8ToCp1252(utf8_source);
}

std::string FormatText(std::string_view cp1252_template, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(cp1252_template.size() + 32 * arguments.size());
    for (std::size_t i = 0; i < cp1252_template.size(); ++i) {
        const char c = cp1252_template[i];
        if (c == '%' && i + 1 < cp1252_template.size() && cp1252_template[i + 1] >= '1' &&
            cp1252_template[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(cp1252_template[i + 1] - '1');
            if (index < arguments.size()) {
                out += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace tv
