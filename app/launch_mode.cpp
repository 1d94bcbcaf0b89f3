#include "app/launch_mode.h"

namespace tv::app {

LaunchMode ReadLaunchMode(const QStringList& arguments) {
    LaunchMode mode;
    if (arguments.size() != 2) return mode;
    mode.launchParamCount = 2;
    const QString direction = arguments.front().toLower();
    if (direction == QLatin1String("importar"))
        mode.directions = OfferedDirections::TablorixToDaeOnly;
    else if (direction == QLatin1String("exportar"))
        mode.directions = OfferedDirections::DaeToTablorixOnly;
    // Any other word keeps both directions, still in launched mode.
    return mode;
}

} // namespace tv::app
