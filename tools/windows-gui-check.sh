#!/usr/bin/env bash
# The window program for Windows: builds TransVeloraDAE.exe, its installer and
# the portable .zip against the Windows Qt in the cache folder, then runs the
# Wine tests (tools/wine-gui-tests.sh) with Xvfb and a window manager.
# Without that Qt it says so in one line and does nothing else. Needs the
# Linux command line of the ci build (build/ci), as tools/run-all-tests.sh leaves it.
set -euo pipefail
cd "$(dirname "$0")/.."
qt="${XDG_CACHE_HOME:-$HOME/.cache}/transveloradae/qt-6.4.2-mingw"
if [ ! -f "$qt/.transveloradae-completo" ]; then
    echo "Pruebas de las ventanas bajo Windows NO ejecutadas: falta el Qt para Windows" \
        "en $qt (se prepara una vez con tools/build-qt-windows.sh, ≈ 30 min)"
    exit 0
fi
cmake --preset windows >/dev/null
cmake --build --preset windows
version=$(sed -n 's/^project(TransVeloraDAE VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
for file in TransVeloraDAE-"$version"-instalar.exe app/TransVeloraDAE.exe cli/transveloradae-cli.exe; do
    echo "Windows: build/windows/$file, $(du -h "build/windows/$file" | cut -f1)"
done
timeout 600 xvfb-run -a -s "-screen 0 1024x768x24" \
    tools/wine-gui-tests.sh "build/windows/TransVeloraDAE-$version-instalar.exe" build/ci/cli/transveloradae-cli
