#!/usr/bin/env bash
# One-time step before the Windows build of the window program: builds Qt for
# Windows (x86_64, static Core, Gui, Widgets and the Windows platform plugin)
# from Debian's own qt6-base source, the same version as the host Qt whose
# tools (moc, rcc, uic) the build uses, with Debian's MinGW-w64 compilers.
#
# Installs into a cache folder outside the checkout and does nothing when that
# folder is already complete. Takes about half an hour on two cores.
#   TV_QT_JOBS    parallel compile jobs (default: number of cores)
#   TV_QT_PREFIX  install folder (default below)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/transveloradae"
prefix="${TV_QT_PREFIX:-$cache/qt-6.4.2-mingw}"
jobs="${TV_QT_JOBS:-$(nproc)}"
stamp="$prefix/.transveloradae-completo"
step() { echo "[qt-windows $(date +%H:%M:%S)] $*"; }

if [ -f "$stamp" ]; then
    step "Qt para Windows ya está en $prefix: nada que hacer"
    exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# A binNMU suffix belongs to the binaries, not to the source.
source_version=${host_version%+b[0-9]*}
case "$source_version" in
6.4.2*) ;;
*) echo "Se esperaba qt6-base-dev 6.4.2 en esta máquina (hay $host_version)" >&2; exit 1 ;;
esac

work="$cache/qt-build"
mkdir -p "$work"
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
if [ -z "$src" ]; then
    # apt-get source needs Debian's source entries, which a fresh Debian 12
    # machine does not enable.
    if ! apt-get source --print-uris "qt6-base=$source_version" >/dev/null 2>&1; then
        step "Activando las fuentes de Debian (deb-src)"
        $SUDO tee /etc/apt/sources.list.d/transveloradae-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        $SUDO apt-get update -qq
    fi
    step "Descargando las fuentes de qt6-base $source_version"
    (cd "$work" && apt-get source -qq "qt6-base=$source_version" >/dev/null)
    src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
fi

# The installed Qt records its toolchain file by absolute path: keep a copy
# inside the install folder so the checkout can move.
mkdir -p "$prefix"
cp "$here/cmake/mingw-w64.cmake" "$prefix/mingw-w64.cmake"

build="$work/build"
if [ ! -f "$build/build.ninja" ]; then
    step "Configurando (≈ 1 min)"
    cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON \
        -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF \
        -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_concurrent=OFF -DINPUT_opengl=no -DFEATURE_opengl=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF \
        >"$work/configure.log" 2>&1 || {
        tail -n 40 "$work/configure.log" >&2
        exit 1
    }
fi

step "Compilando con $jobs tareas (≈ 30 min con 2 núcleos; registro: $work/build.log)"
start=$(date +%s)
if ! ninja -C "$build" -j "$jobs" >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    exit 1
fi
step "Compilado en $(( ($(date +%s) - start) / 60 )) min; instalando en $prefix"
cmake --install "$build" >"$work/install.log" 2>&1
touch "$stamp"
# The build folder takes ≈ 2 GB and is not needed once installed.
rm -rf "$work"
step "Qt para Windows listo en $prefix ($(du -sh "$prefix" | cut -f1))"
