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
vaultlet_wine_init() {
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
    ) 9>"$WINEPREFIX/.vaultlet-init.lock"
}

VAULTLET_WINE=/usr/lib/wine/wine64
VAULTLET_WINESERVER=/usr/lib/wine/wineserver64
