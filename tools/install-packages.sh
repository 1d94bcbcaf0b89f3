#!/usr/bin/env bash
# Installs every Debian package that building, running and testing needs.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    cmake ninja-build g++ clang libclang-rt-14-dev \
    libgtest-dev libgmock-dev libcli11-dev \
    python3 python3-dbf \
    mingw-w64 wine wine64 fonts-wine nsis zip dpkg-dev \
    qt6-base-dev qt6-translations-l10n qt6-l10n-tools xvfb xauth xdotool \
    openbox dbus-x11 at-spi2-core python3-pyatspi \
    >/dev/null
