#!/usr/bin/env bash
# The main job on the bundled sample school: DAE -> Tablorix into a fresh
# KTEMP, then a look at some of the tables written.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=build/default/cli/transveloradae-cli
ktemp=$(mktemp -d "${TMPDIR:-/tmp}/KTEMP-ejemplo.XXXXXX")
"$cli" exportar --dae examples/centro-ejemplo/DAE --ktemp "$ktemp" --version 2526 \
    --niveles examples/centro-ejemplo/niveles.csv
for table in GRUPOST PROFT; do
    echo
    "$cli" tabla "$ktemp/$table.DBF" | head -n 30
done
echo
echo "Tablas en $ktemp"
