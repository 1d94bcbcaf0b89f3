#!/usr/bin/env bash
# Takes the screenshots of the main window and of each panel on the sample
# school under Xvfb, into docs/ (PNG), and the main and codification windows
# once more under a Basque system (names ending in "-eu"). Build first
# (cmake --build --preset default, or give another build folder in TV_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
tool="${TV_BUILD_DIR:-build/default}/app/transveloradae-screenshots"
runtime=$(mktemp -d)
basque=$(mktemp -d)
trap 'rm -rf "$runtime" "$basque"' EXIT
chmod 700 "$runtime"
shoot() {
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
        "$tool" examples/centro-ejemplo/DAE "$1"
}
shoot docs/capturas
LC_ALL= LC_MESSAGES= LANG=eu_ES.UTF-8 LANGUAGE=eu shoot "$basque"
cp "$basque"/ventana-principal-eu.png "$basque"/codificacion-datos-dae-eu.png docs/capturas/
ls docs/capturas/*.png
