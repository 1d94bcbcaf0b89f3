#!/usr/bin/env bash
# The main window of the Windows program under Wine, with its frame, into
# docs/capturas/ventana-windows-wine.png: started by hand in the sample
# school's DAE folder, C:\Centro\DAE. Build first (tools/windows-gui-check.sh or
# cmake --build --preset windows).
#   tools/wine-screenshot.sh [path/to/TransVeloraDAE.exe]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/windows/app/TransVeloraDAE.exe}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/screen"
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24 -fbdir $work/screen" bash ${TV_TRACE:+-x} -c '
    set -euo pipefail
    source tools/wine-desktop.sh
    trap WineStop EXIT
    WineDesktop "$1"
    mkdir -p "$WINEPREFIX/drive_c/Centro"
    cp -r examples/centro-ejemplo/DAE "$WINEPREFIX/drive_c/Centro/DAE"
    (cd "$WINEPREFIX/drive_c/Centro/DAE" && exec wine "$2") &
    window=$(WineWindow "Exportar e importar datos entre Tablorix y DAE")
    sleep 3
    # The window on the screen, and the frame around it: left, right, top, bottom.
    x=$(xwininfo -id "$window" | sed -n "s/.*Absolute upper-left X: *//p")
    y=$(xwininfo -id "$window" | sed -n "s/.*Absolute upper-left Y: *//p")
    width=$(xwininfo -id "$window" | sed -n "s/.*Width: *//p")
    height=$(xwininfo -id "$window" | sed -n "s/.*Height: *//p")
    read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -dc "0-9 ")"
    tools/xwd-to-png.py "$1/screen/Xvfb_screen0" docs/capturas/ventana-windows-wine.png \
        $((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom))
    xdotool key --window "$window" --clearmodifiers alt+s' _ "$work" "$program"
echo docs/capturas/ventana-windows-wine.png
