#!/usr/bin/env bash
# Builds and runs every test: the unit and end-to-end tests with warnings as
# errors (the window tests among them, offscreen and under Xvfb), the same
# under AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzzing run
# of every reader (tables, DAE files, option files), the Windows build of the
# command-line program run under Wine, and, when the Windows Qt of
# tools/build-qt-windows.sh is in the cache folder, the window program's
# installer and windows under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== Pruebas (avisos como errores)"
cmake --workflow --preset ci

echo "== Pruebas con AddressSanitizer y UndefinedBehaviorSanitizer"
cmake --workflow --preset asan

echo "== Fuzzing de los lectores (tablas, archivos DAE, archivos de opciones)"
tools/fuzz.sh "${TV_FUZZ_SECONDS:-45}"

echo "== Compilación para Windows y prueba bajo Wine"
tools/windows-check.sh

echo "== Programa de ventanas para Windows: instalador y ventanas bajo Wine"
tools/windows-gui-check.sh
echo "== Todo correcto"
