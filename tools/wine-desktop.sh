# Sourced by the scripts that drive the Windows program under Wine, inside an
# X server (xvfb-run): a fresh Wine prefix with the fonts Qt draws with, and a
# window manager so that windows get frames and keys reach them.
#   WineDesktop FOLDER   makes the prefix in FOLDER/prefix and starts openbox
#   WineStop             ends the prefix's processes and openbox

WineDesktop() {
    export WINEPREFIX="$1/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # No Mono or Gecko prompts; a new prefix takes 10 to 20 s.
    wine wineboot -i >/dev/null 2>&1
    # Wine does not see Debian's fonts-wine until they are in the prefix: Qt
    # would fall back to a serif font and title-bar buttons would show letters.
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf \
        /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    openbox >/dev/null 2>&1 &
    WINE_DESKTOP_WM=$!
}

WineStop() {
    wineserver -k 2>/dev/null || true
    if [ -n "${WINE_DESKTOP_WM:-}" ]; then kill "$WINE_DESKTOP_WM" 2>/dev/null || true; fi
}

# The first visible window whose title matches, within 30 s.
WineWindow() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n1
}

# Waits up to 20 s for process $1 to end; fails naming $2 otherwise.
WineWaitEnd() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1"
        echo "$2"
        return 1
    fi
    wait "$1"
}
