#!/usr/bin/env bash
# Starts TransVeloraDAE as Tablorix does ("importar" and a second argument)
# under Xvfb on the sample school (exported with transveloradae-cli, with its
# solved timetable), clicks OK, accepts the template check, presses Alt+T in
# the codification window and answers No to the question about teachers
# without a document. Checks that the warning ended the run, that the window
# closed by itself leaving "Transformado=1", and that no fCUADROS.txt was written.
#   tools/check-launched-importar.sh [path/to/TransVeloraDAE] [path/to/transveloradae-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/sample-school-exported.sh "$@"

cd "$work/DAE" # the folder list starts at the current folder
TRANSVELORADAE_KTEMP="$work/KTEMP" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -euo pipefail
    "$1/TransVeloraDAE" importar x &
    pid=$!
    window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1; }
    # DEBUG=1 lists the windows open at each step on stderr.
    windows_open() {
        [ -n "${DEBUG:-}" ] || return 0
        echo "-- $1" >&2
        for w in $(xdotool search --onlyvisible --name .); do xdotool getwindowname "$w" >&2; done
    }
    main=$(window "Exportar e importar datos entre Tablorix y DAE")
    sleep 0.5
    xdotool mousemove --window "$main" 144 79 click 1 # OK under "Tablorix hacia DAE"
    check=$(window "Control de Plantilla Horaria")
    sleep 0.5
    xdotool mousemove --window "$check" 530 277 click 1 # "Aceptar"
    codification=$(window "CODIFICACIÓN Datos DAE")
    xdotool windowfocus --sync "$codification"
    sleep 0.5
    windows_open 1
    xdotool key --clearmodifiers alt+t # "&Terminar": some teachers lack a document
    question=$(window "^TransVeloraDAE$") # the question about them
    xdotool windowfocus --sync "$question"
    sleep 0.5
    windows_open 2
    xdotool key --clearmodifiers Escape # No: do not correct it
    # The warning that follows has the same caption: wait for a box other
    # than the question, however slow the machine.
    warning=""
    for _ in $(seq 150); do
        warning=$(xdotool search --onlyvisible --name "^TransVeloraDAE$" | grep -vx "$question" | head -1 || true)
        [ -n "$warning" ] && break
        sleep 0.2
    done
    [ -n "$warning" ] || { echo "no apareció el aviso del final"; exit 1; }
    xdotool windowfocus --sync "$warning"
    sleep 0.5
    windows_open 3
    xdotool key --clearmodifiers Return # "!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente"
    for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$pid" 2>/dev/null; then kill "$pid"; echo "la ventana no se cerró al final"; exit 1; fi
    wait "$pid"' _ "$work"

expected=$'[Transformadores]\r\nTransformado=1\r'
if [ "$(cat "$work/Tablorix.ini")" != "$expected" ]; then
    echo "Tablorix.ini no es el esperado:"; od -c "$work/Tablorix.ini"; exit 1
fi
if [ -e "$work/DAE/fCUADROS.txt" ]; then echo "se escribió fCUADROS.txt"; exit 1; fi
echo "TransVeloraDAE importar x: sin documentos, No termina sin fichero y deja Transformado=1"
