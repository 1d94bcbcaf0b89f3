#!/usr/bin/env bash
# Starts TransVeloraDAE as Tablorix does ("exportar" and a second argument)
# under Xvfb, presses Alt+S ("&Salir") and checks that the window closed and
# left "Transformado=0" in Tablorix.ini beside the program.
#   tools/check-launched-exportar.sh [path/to/TransVeloraDAE]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/default/app/TransVeloraDAE}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy of the program, so that its Tablorix.ini lands in the scratch folder.
cp "$program" "$work/TransVeloraDAE"
mkdir -p "$work/KTEMP" "$work/run"
chmod 700 "$work/run"

TRANSVELORADAE_KTEMP="$work/KTEMP" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$1/TransVeloraDAE" exportar x &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "Exportar e importar datos entre Tablorix y DAE" | head -1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool key --clearmodifiers alt+s
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then kill "$pid"; echo "Alt+S no cerró la ventana"; exit 1; fi
    wait "$pid"' _ "$work"

expected=$'[Transformadores]\r\nTransformado=0\r'
if [ "$(cat "$work/Tablorix.ini")" != "$expected" ]; then
    echo "Tablorix.ini no es el esperado:"; od -c "$work/Tablorix.ini"; exit 1
fi
echo "TransVeloraDAE exportar x: Alt+S cierra la ventana y deja Transformado=0"
