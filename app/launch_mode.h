// How the program was started: by Tablorix with exactly two arguments
// (launched mode, the first one naming the only direction offered), or by hand.
#pragma once

#include <QStringList>

namespace tv::app {

enum class OfferedDirections { Both, DaeToTablorixOnly, TablorixToDaeOnly };

struct LaunchMode {
    // 2 in launched mode, 0 otherwise; the window closes itself at the end of
    // a direction and writes Tablorix.ini only when it is 2.
    int launchParamCount = 0;
    OfferedDirections directions = OfferedDirections::Both;

    bool Launched() const { return launchParamCount == 2; }
};

// `arguments` without the program's own name. Only their number and the first
// one, lower-cased, count; the second is never read.
LaunchMode ReadLaunchMode(const QStringList& arguments);

} // namespace tv::app
