# Sourced by the Wine scripts: the environment of the project's private Wine prefix.
# Usage: vaultlet_wine_env PREFIX
vaultlet_wine_env() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    # Skip the Mono and Gecko installers, which cannot be downloaded here.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine links Desktop, Documents and the like to $HOME: keep the machine's user out of tests.
    export HOME="$WINEPREFIX/home"
    mkdir -p "$HOME"
}

# Creates the prefix on first use, with crash dialogs switched off so that a crash ends the process
# instead of waiting for a debugger that never finishes under a virtual display. Safe to call from
# parallel processes. Output is detached: the prefix's background services outlive the call and
# must not hold a caller's pipes open.
#
# "vaultlet_wine_init unmanaged" (the build tree's test prefix) also tells Wine that no window
# manager handles its windows. Under a bare virtual display none does, and Wine would otherwise wait
# two seconds for one every time a window is hidden or destroyed.
vaultlet_wine_init() {
    local mode=${1:-}
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.vaultlet-ready" ]; then
            "$VAULTLET_WINE" wineboot -i </dev/null >/dev/null 2>&1 || true
            "$VAULTLET_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
                /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
            "$VAULTLET_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
                /v Auto /t REG_SZ /d 1 /f </dev/null >/dev/null 2>&1
            touch "$WINEPREFIX/.vaultlet-ready"
        fi
        if [ "$mode" = unmanaged ] && [ ! -f "$WINEPREFIX/.vaultlet-unmanaged" ]; then
            "$VAULTLET_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
                </dev/null >/dev/null 2>&1
            touch "$WINEPREFIX/.vaultlet-unmanaged"
        fi
    ) 9>"$WINEPREFIX/.vaultlet-init.lock"
}

VAULTLET_WINE=/usr/lib/wine/wine64
VAULTLET_WINESERVER=/usr/lib/wine/wineserver64
