#!/usr/bin/env bash
# Takes the screenshots of the main window and of each panel on the sample
# school under Xvfb, into docs/ (PNG). Build first (cmake --build --preset default).
set -euo pipefail
cd "$(dirname "$0")/.."
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    build/default/app/transveloradae-screenshots examples/centro-ejemplo/DAE docs/capturas
ls docs/capturas/*.png
