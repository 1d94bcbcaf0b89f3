// Windows-1252 texts of the core as QString and back; only app/ converts.
#pragma once

#include "tables/cp1252.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace tv::app {

inline QString FromCp1252(std::string_view text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

// Nothing when the text holds a character that Windows-1252 cannot hold.
inline std::optional<std::string> ToCp1252(const QString& text) {
    std::string out;
    char32_t bad = 0;
    if (!TryUtf8ToCp1252(text.toStdString(), out, bad)) return std::nullopt;
    return out;
}

} // namespace tv::app
