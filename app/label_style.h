// The few label looks the window uses: colour, bold, underlined.
#pragma once

#include <QLabel>
#include <QString>

namespace tv::app {

enum class Underline { No, Yes };

inline QLabel* StyledLabel(const QString& text, const char* colour, QWidget* parent,
                           Underline underline = Underline::No) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;%2")
                             .arg(QLatin1String(colour), underline == Underline::Yes
                                                             ? QStringLiteral(" text-decoration: underline;")
                                                             : QString()));
    return label;
}

} // namespace tv::app
