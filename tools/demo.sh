#!/usr/bin/env bash
# The main job on the bundled sample school: the window of TransVeloraDAE on
# the sample's DAE folder (the current directory) with a fresh KTEMP. Without
# a display, the same DAE -> Tablorix run goes through transveloradae-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
ktemp=$(mktemp -d "${TMPDIR:-/tmp}/KTEMP-ejemplo.XXXXXX")
export TRANSVELORADAE_KTEMP="$ktemp"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Carpeta DAE: examples/centro-ejemplo/DAE; tablas en $ktemp"
    cd examples/centro-ejemplo/DAE
    "$root/build/default/app/TransVeloraDAE" "$@"
    echo "Tablas en $ktemp"
    exit 0
fi

echo "No hay pantalla: la misma transformación con transveloradae-cli."
cli=build/default/cli/transveloradae-cli
"$cli" exportar --dae examples/centro-ejemplo/DAE --ktemp "$ktemp" --version 2526 \
    --niveles examples/centro-ejemplo/niveles.csv
for table in GRUPOST PROFT; do
    echo
    "$cli" tabla "$ktemp/$table.DBF" | head -n 30
done

echo
echo "Tablorix -> DAE con el horario resuelto del centro (SOLUC.DBF):"
dae=$(mktemp -d "${TMPDIR:-/tmp}/DAE-ejemplo.XXXXXX")
cp examples/centro-ejemplo/SOLUC.DBF "$ktemp/"
"$cli" importar --dae "$dae" --ktemp "$ktemp" || echo "(salida $?: faltan documentos)"
"$cli" importar --dae "$dae" --ktemp "$ktemp" --solo-codificar \
    --documentos examples/centro-ejemplo/documentos.csv
iconv -f CP1252 -t UTF-8 "$dae/fCUADROS.txt" | head -n 4
echo
echo "Tablas en $ktemp; fCUADROS.txt en $dae"
