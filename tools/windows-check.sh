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
out=$(wine "$exe" tabla "$table" --csv | tr -d '\r')
expected=$(build/ci/cli/transveloradae-cli tabla tests/data/tablas/PROFESORES.DBF --csv | tr -d '\r')
if [ "$out" != "$expected" ]; then
    echo "La salida bajo Windows difiere:"; diff <(echo "$expected") <(echo "$out") || true
    exit 1
fi
# Table names resolve without regard to case on Windows too.
wine "$exe" tabla "$(winepath -w tests/data/tablas)\\profesores" >/dev/null
echo "Windows: transveloradae-cli tabla correcto"

# exportar on the sample school: \KTEMP is at the root of the current drive.
drive=$(mktemp -d)
trap 'rm -rf "$drive"' EXIT
cp -r examples/centro-ejemplo/DAE "$drive/DAE"
cp examples/centro-ejemplo/niveles.csv "$drive/"
ln -sfn "$drive" "$WINEPREFIX/dosdevices/k:"
(cd "$drive/DAE" && wine "$OLDPWD/$exe" exportar --dae 'k:\DAE' --version 2526 --niveles 'k:\niveles.csv' >/dev/null)
linux=$(mktemp -d)
build/ci/cli/transveloradae-cli exportar --dae examples/centro-ejemplo/DAE --ktemp "$linux" --version 2526 \
    --niveles examples/centro-ejemplo/niveles.csv >/dev/null
for table in ASIGNOMT PROFT AULAT GRUPOST ASIGT DIASHORAST daeCENTRO; do
    if ! cmp -s <(build/ci/cli/transveloradae-cli tabla "$drive/KTEMP/$table.DBF" --csv) \
                <(build/ci/cli/transveloradae-cli tabla "$linux/$table.DBF" --csv); then
        echo "Windows: la tabla $table difiere de la escrita en Linux"
        exit 1
    fi
done
echo "Windows: exportar escribe en \\KTEMP de la unidad actual las mismas tablas que en Linux"

# importar on the same school, its solved timetable beside the tables: the
# same work tables and the same fCUADROS.txt as on Linux.
cp examples/centro-ejemplo/SOLUC.DBF "$drive/KTEMP/"
cp examples/centro-ejemplo/SOLUC.DBF "$linux/"
cp examples/centro-ejemplo/documentos.csv "$drive/"
(cd "$drive/DAE" && wine "$OLDPWD/$exe" importar --dae 'k:\DAE' --nuevo --documentos 'k:\documentos.csv' \
    >/dev/null 2>&1)
linuxdae=$(mktemp -d)
cp examples/centro-ejemplo/DAE/* "$linuxdae/"
build/ci/cli/transveloradae-cli importar --dae "$linuxdae" --ktemp "$linux" --nuevo \
    --documentos examples/centro-ejemplo/documentos.csv >/dev/null 2>&1
if ! cmp -s "$drive/DAE/fCUADROS.txt" "$linuxdae/fCUADROS.txt"; then
    echo "Windows: importar escribe un fCUADROS.txt distinto del de Linux"
    exit 1
fi
for table in CUADROH2 CUADROH3 PROFT; do
    if ! cmp -s <(build/ci/cli/transveloradae-cli tabla "$drive/KTEMP/$table.DBF" --csv) \
                <(build/ci/cli/transveloradae-cli tabla "$linux/$table.DBF" --csv); then
        echo "Windows: la tabla $table difiere de la escrita en Linux"
        exit 1
    fi
done
rm -rf "$linux" "$linuxdae"
echo "Windows: importar escribe las mismas tablas de trabajo y el mismo fCUADROS.txt que en Linux"
