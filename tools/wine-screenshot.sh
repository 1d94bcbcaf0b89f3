#!/usr/bin/env bash
# The main window of the Windows program under Wine, with its frame, into
# docs/capturas/ventana-windows-wine.png: started by hand in the sample
# school's DAE folder. Build first (tools/windows-gui-check.sh or
# cmake --build --preset windows).
#   tools/wine-screenshot.sh [path/to/TransVeloraDAE.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/windows/app/TransVeloraDAE.exe}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/screen"
cp -r examples/centro-ejemplo/DAE "$work/DAE"
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $work/screen" bash -c '
    set -euo pipefail
    source tools/wine-desktop.sh
    trap WineStop EXIT
    WineDesktop "$1"
    mkdir -p "$1/KTEMP"
    ln -sfn "$1" "$WINEPREFIX/dosdevices/k:"
    (cd "$1/DAE" && exec wine "$2") &
    window=$(WineWindow "Exportar e importar datos entre Tablorix y DAE")
    sleep 3
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The frame around the window: left, right, top, bottom.
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc "0-9 ")
    tools/xwd-to-png.py "$1/screen/Xvfb_screen0" docs/capturas/ventana-windows-wine.png \
        $((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom))
    xdotool key --window "$window" --clearmodifiers alt+s' _ "$work" "$program"
echo docs/capturas/ventana-windows-wine.png
