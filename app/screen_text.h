// Texts on their way to the screen. The core's questions join some lines
// with a carriage return alone, which Qt's Windows styles draw as a blank:
// the box gets the same lines with line feeds, the core's texts stay as
// they are.
#pragma once

#include <QString>

namespace tv::app {

inline QString WithScreenLineEnds(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace tv::app
