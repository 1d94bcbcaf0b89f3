#!/usr/bin/env bash
# The windows under a person's hands, for real: TransVeloraDAE under Xvfb with
# a window manager (openbox), driven by xdotool with no pause between a click
# and the typing, its grids read on the accessibility bus (tools/atspi-cell.py).
#
#  1. Started as Tablorix starts it ("importar"), on the sample school: OK,
#     "Aceptar" in the template check; in "CODIFICACIÓN Datos DAE" a click on a
#     teacher's name (a fixed column) makes him current, with his records in the
#     type-2 grid; a click on his document and the document typed at once;
#     "&Terminar", No, and `transveloradae-cli tabla` finds the document stored
#     in PROFT. Each caption is the window's own text, nothing appended.
#  2. Started by hand in a DAE folder that is then removed: OK in either
#     direction says "No existe la carpeta", KTEMP stays as it was, and the
#     window stays open.
#   tools/check-windows-under-wm.sh [path/to/TransVeloraDAE] [path/to/transveloradae-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/sample-school-exported.sh "$@"
tools=$(pwd)/tools
document=12345678Z

snapshot() { (cd "$work/KTEMP" && find . -type f -exec sha1sum {} + | sort); }

# Runs the steps given on stdin under Xvfb with openbox, a session bus and the
# accessibility bus; $work, $tools and $pid (the program) are set for them.
under_window_manager() {
    TRANSVELORADAE_KTEMP="$work/KTEMP" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
        QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        timeout 150 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
        set -euo pipefail
        work=$1 tools=$2
        eval "$(dbus-launch --sh-syntax)"
        helpers=("$DBUS_SESSION_BUS_PID")
        /usr/libexec/at-spi-bus-launcher --launch-immediately & helpers+=($!)
        openbox --sm-disable >/dev/null 2>&1 & helpers+=($!)
        trap "kill \${helpers[*]} 2>/dev/null || true" EXIT
        sleep 2 # openbox takes the screen
        # The window whose caption is exactly $1 (the search alone also finds
        # it with text appended to the caption).
        window() {
            for _ in $(seq 150); do
                for w in $(xdotool search --onlyvisible --name "^$1" 2>/dev/null); do
                    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && { echo "$w"; return 0; }
                done
                sleep 0.2
            done
            return 1
        }
        click() { xdotool mousemove "$1" "$2" click 1; }
        # Clicks at X Y in the window whose caption is exactly $1, found again
        # at each try: a window may still be getting its final X window.
        click_in() {
            for _ in $(seq 20); do
                w=$(window "$1") && xdotool mousemove --window "$w" "$2" "$3" click 1 2>/dev/null && return 0
                sleep 0.5
            done
            return 1
        }
        cell() { /usr/bin/python3 "$tools/atspi-cell.py" "$@"; }
        ended() { for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.2; done; return 1; }
        fail() { echo "$1"; kill "$pid" 2>/dev/null || true; exit 1; }
        eval "$3"' _ "$work" "$tools" "$(cat)"
}

echo "== Codificación: un clic en el nombre del profesor y su documento tecleado sin pausa"
(cd "$work/DAE" && DOCUMENT=$document under_window_manager) <<'STEPS'
"$work/TransVeloraDAE" importar x &
pid=$!
window "Exportar e importar datos entre Tablorix y DAE" >/dev/null || fail "sin ventana principal con su título"
sleep 0.5
click_in "Exportar e importar datos entre Tablorix y DAE" 144 79 # OK under "Tablorix hacia DAE"
window "Control de Plantilla Horaria" >/dev/null || fail "sin «Control de Plantilla Horaria» con su título"
sleep 0.5
click_in "Control de Plantilla Horaria" 530 277 # "Aceptar"
window "CODIFICACIÓN Datos DAE" >/dev/null || fail "sin «CODIFICACIÓN Datos DAE» con su título"
row=2 # in view, and not the teacher current as the window opens
teacher=$(cell wwDBGridPROFT "$row" 0 --text)
echo "$teacher" >"$work/teacher"
click $(cell wwDBGridPROFT "$row" 1) # his name, a fixed column
sleep 0.5
shown=$(cell DBGridCUADROH2 0 0 --text)
[ "$shown" = "$teacher" ] || fail "la rejilla de TIPO 2 muestra a «$shown», no a $teacher"
click $(cell wwDBGridPROFT "$row" 4) # his document
xdotool type --delay 0 "$DOCUMENT"
xdotool key Return # stored, and on to the next teacher, whose records follow
sleep 0.5
next=$(cell wwDBGridPROFT $((row + 1)) 0 --text)
shown=$(cell DBGridCUADROH2 0 0 --text)
[ "$shown" = "$next" ] || fail "tras Intro la rejilla de TIPO 2 muestra a «$shown», no a $next"
xdotool key --clearmodifiers alt+t # "&Terminar": other teachers lack a document
question=$(window TransVeloraDAE) || fail "sin la pregunta sobre los documentos"
sleep 0.5
xdotool key --clearmodifiers Escape # No
# The next box has the same caption: it is the one that is not the question.
for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^TransVeloraDAE\$" 2>/dev/null | grep -qvx "$question" && break
    sleep 0.2
done
sleep 0.5
xdotool key --clearmodifiers Return # "!!ATENCIÓN!! El Proceso NO ha finalizado Correctamente"
ended || fail "la ventana no se cerró al final"
STEPS
teacher=$(cat "$work/teacher")
"$cli" tabla "$work/KTEMP/PROFT.DBF" --csv | grep -E "(^|,)\"?$teacher\"?(,|$)" | grep -q "$document" || {
    echo "PROFT no guarda el documento de $teacher:"; "$cli" tabla "$work/KTEMP/PROFT.DBF" | head -20; exit 1; }
echo "el documento $document de $teacher está en PROFT"

echo "== La carpeta elegida desaparece: No existe la carpeta, KTEMP sin cambios"
mkdir "$work/ELEGIDA"
cp examples/centro-ejemplo/DAE/* "$work/ELEGIDA/"
before=$(snapshot)
(cd "$work/ELEGIDA" && under_window_manager) <<'STEPS'
"$work/TransVeloraDAE" &
pid=$!
main="Exportar e importar datos entre Tablorix y DAE"
window "$main" >/dev/null || fail "sin ventana principal con su título"
sleep 1
rm -rf "$work/ELEGIDA"
sleep 2 # the folder list hears of it
for ok in "445 79" "236 79"; do # OK of Tablorix -> DAE, then of DAE -> Tablorix
    click_in "$main" $ok
    window TransVeloraDAE >/dev/null || fail "sin aviso al pulsar OK ($ok)"
    sleep 0.5
    xdotool key --clearmodifiers Return
    sleep 0.5
done
kill -0 "$pid" 2>/dev/null || fail "la ventana se cerró"
click_in "$main" 530 324 # "&Salir"
ended || fail "«Salir» no cerró la ventana"
STEPS
if [ "$(snapshot)" != "$before" ]; then
    echo "KTEMP cambió:"; diff <(echo "$before") <(snapshot) || true; exit 1
fi
echo "KTEMP sin cambios; la ventana siguió abierta"
