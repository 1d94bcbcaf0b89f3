#!/usr/bin/env bash
# The Windows program as a school gets it, under Wine, inside an X server
# (tools/windows-gui-check.sh runs it under xvfb-run). With nothing but the
# installer:
#   1. it installs silently (/S) into Tablorix's folder, with its Start-menu
#      shortcut;
#   2. started from there as Tablorix starts it ("exportar" and a second
#      argument), Alt+S closes the window and Tablorix.ini beside it holds
#      Transformado=0 with every other byte as it was;
#   3. a whole DAE -> Tablorix run through the window on the sample school,
#      with \KTEMP on the current drive, writes the tables the Linux command
#      line writes, and leaves Transformado=1;
#   4. the uninstaller leaves Tablorix's folder as it was before the install.
#   tools/wine-gui-tests.sh INSTALLER LINUX-CLI
# TV_DEBUG=1 lists the windows open at each step.
set -euo pipefail
cd "$(dirname "$0")/.."
installer=$(realpath "$1")
cli=$(realpath "$2")
work=$(mktemp -d)
source tools/wine-desktop.sh
trap 'WineStop; rm -rf "$work"' EXIT
WineDesktop "$work"

fail() { echo "Windows (Wine): $*"; exit 1; }
windows_open() {
    [ -n "${TV_DEBUG:-}" ] || return 0
    echo "-- $1" >&2
    for w in $(xdotool search --onlyvisible --name .); do xdotool getwindowname "$w" >&2; done
}
main_title="Exportar e importar datos entre Tablorix y DAE"
program='C:\Tablorix\TransVeloraDAE.exe'
folder="$WINEPREFIX/drive_c/Tablorix"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TransVeloraDAE.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TransVeloraDAE'

# Tablorix's folder as a school has it: its program and its Tablorix.ini, with
# CRLF line ends and a Windows-1252 letter.
mkdir -p "$folder"
ini_with() { printf '[Tablorix]\r\nCentro=Colegio Espa\xf1a\r\n\r\n[Transformadores]\r\nTransformado=%s\r\nVersion=19\r\n' "$1"; }
ini_with 1 >"$folder/Tablorix.ini"
echo "Tablorix" >"$folder/TABLORIX.EXE"
before=$(cd "$folder" && find . | sort)

# 1. The silent install.
wine "$installer" /S '/D=C:\Tablorix'
for file in TransVeloraDAE.exe transveloradae-cli.exe ayuda/guia-usuario.html "Desinstalar TransVeloraDAE.exe"; do
    [ -f "$folder/$file" ] || fail "el instalador no puso $file"
done
[ -f "$shortcut" ] || fail "el instalador no creó el acceso en el menú Inicio"
echo "Windows (Wine): el instalador pone el programa en la carpeta de Tablorix"

# 2. Launched by Tablorix, closed at once with Alt+S.
(cd "$folder" && exec wine "$program" exportar x) &
pid=$!
main=$(WineWindow "$main_title")
xdotool windowfocus --sync "$main"
sleep 0.5
xdotool key --clearmodifiers alt+s
WineWaitEnd "$pid" "Alt+S no cerró la ventana" || fail "el programa no terminó bien (código $?)"
if ! cmp -s "$folder/Tablorix.ini" <(ini_with 0); then
    od -c "$folder/Tablorix.ini"
    fail "Tablorix.ini no es el esperado tras exportar y Alt+S"
fi
echo "Windows (Wine): exportar lanzado, Alt+S cierra y deja Transformado=0 junto al programa"

# 3. The whole DAE -> Tablorix direction on the sample school, from drive K:
# (its DAE folder is the current folder, so \KTEMP is K:\KTEMP). The levels'
# abbreviations come back from an earlier run, as the recovery question offers.
drive="$work/k"
mkdir -p "$drive/KTEMP"
cp -r examples/centro-ejemplo/DAE "$drive/DAE"
ln -sfn "$drive" "$WINEPREFIX/dosdevices/k:"
linux="$work/linux"
"$cli" exportar --dae examples/centro-ejemplo/DAE --ktemp "$linux" \
    --niveles examples/centro-ejemplo/niveles.csv >/dev/null 2>&1
cp "$linux"/daeNIVIMP2.* "$drive/KTEMP/"
(cd "$drive/DAE" && exec wine "$program" exportar x) &
pid=$!
main=$(WineWindow "$main_title")
sleep 1
xdotool mousemove --window "$main" 236 79 click 1 # OK under "DAE hacia Tablorix"
sleep 2
windows_open "datos del centro"
xdotool mousemove --window "$main" 53 257 click 1 # OK of the centre's data
recovery=$(WineWindow "Recuperaci")
windows_open "recuperar abreviaturas"
xdotool windowfocus --sync "$recovery"
sleep 0.5
xdotool key --clearmodifiers Return # OK: recover them
sleep 1
xdotool mousemove --window "$main" 504 337 click 1 # "Aceptar" under the levels
sleep 2
windows_open "plantillas"
xdotool mousemove --window "$main" 300 266 click 1 # OK: the first template
finished=$(WineWindow "^TransVeloraDAE$") # "Proceso finalizado"
windows_open "fin"
xdotool windowfocus --sync "$finished"
sleep 0.5
xdotool key --clearmodifiers Return
WineWaitEnd "$pid" "la ventana no se cerró al final de la transformación" || fail "el programa no terminó bien (código $?)"
for table in ASIGNOMT PROFT AULAT GRUPOST ASIGT DIASHORAST daeCENTRO; do
    [ -f "$drive/KTEMP/$table.DBF" ] || fail "no se escribió K:\\KTEMP\\$table.DBF"
    if ! cmp -s <("$cli" tabla "$drive/KTEMP/$table.DBF" --csv) <("$cli" tabla "$linux/$table.DBF" --csv); then
        fail "la tabla $table difiere de la escrita en Linux"
    fi
done
cmp -s "$folder/Tablorix.ini" <(ini_with 1) || fail "Tablorix.ini no tiene Transformado=1 al final"
echo "Windows (Wine): DAE -> Tablorix por la ventana escribe en \\KTEMP las mismas tablas que en Linux"

# 4. The uninstaller; it copies itself elsewhere and goes on after wine returns.
wine 'C:\Tablorix\Desinstalar TransVeloraDAE.exe' /S
for _ in $(seq 100); do [ -e "$folder/Desinstalar TransVeloraDAE.exe" ] || break; sleep 0.2; done
after=$(cd "$folder" && find . | sort)
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") || true
    fail "el desinstalador dejó archivos en la carpeta de Tablorix"
fi
[ ! -e "$shortcut" ] || fail "el desinstalador dejó el acceso del menú Inicio"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "el desinstalador dejó su clave en el registro"; fi
cmp -s "$folder/Tablorix.ini" <(ini_with 1) || fail "el desinstalador cambió Tablorix.ini"
echo "Windows (Wine): el desinstalador quita lo suyo y nada más"
