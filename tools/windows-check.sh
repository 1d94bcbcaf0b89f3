#!/usr/bin/env bash
# Cross-compiles the core and the command-line program for Windows with
# MinGW-w64 and runs the program under Wine on a bundled table.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target transveloradae-cli
export WINEPREFIX="${WINEPREFIX:-$(mktemp -d)}" WINEDEBUG=-all
exe=build/mingw/cli/transveloradae-cli.exe
table=$(winepath -w tests/data/tablas/PROFESORES.DBF 2>/dev/null)
out=$(wine64 "$exe" tabla "$table" --csv | tr -d '\r')
expected=$(build/ci/cli/transveloradae-cli tabla tests/data/tablas/PROFESORES.DBF --csv | tr -d '\r')
if [ "$out" != "$expected" ]; then
    echo "La salida bajo Windows difiere:"; diff <(echo "$expected") <(echo "$out") || true
    exit 1
fi
# Table names resolve without regard to case on Windows too.
wine64 "$exe" tabla "$(winepath -w tests/data/tablas)\\profesores" >/dev/null
echo "Windows: transveloradae-cli tabla correcto"
