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
    # Wine's WinINet sends requests through the proxy these name, loopback ones too: the update
    # check's tests talk to a server inside the test itself.
    unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
}

# Creates the prefix on first use, with crash dialogs switched off so that a crash ends the process
# instead of waiting for a debugger that never finishes under a virtual display, and with windows
# not handed to a window manager. Parallel callers wait for the one that does the work. The lock is
# a directory, not a locked file descriptor: Wine's background services would inherit such a
# descriptor and hold the lock for as long as they live. Output is detached for the same reason.
vaultlet_wine_init() {
    # Named after the set-up below: a prefix made by an older one is set up again.
    local ready="$WINEPREFIX/.vaultlet-ready-removable-drives"
    local lock="$WINEPREFIX/.vaultlet-init"
    [ -f "$ready" ] && return 0
    if mkdir "$lock" 2>/dev/null; then
        "$VAULTLET_WINE" wineboot -i </dev/null >/dev/null 2>&1 || true
        "$VAULTLET_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
            /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
        "$VAULTLET_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
            /v Auto /t REG_SZ /d 1 /f </dev/null >/dev/null 2>&1
        # There is no window manager on the virtual display: without this Wine waits up to two
        # seconds for one whenever a window is hidden or destroyed. The auto-type tests keep
        # managed windows: with unmanaged ones the X focus can arrive after the first synthesized
        # keys and Wine then drops the Shift state they set.
        "$VAULTLET_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
            </dev/null >/dev/null 2>&1
        "$VAULTLET_WINE" reg add 'HKCU\Software\Wine\AppDefaults\autofill_tests.exe\X11 Driver' \
            /v Managed /d Y /f </dev/null >/dev/null 2>&1
        vaultlet_wine_removable_drives
        # The processes wineboot left running (the desktop among them) were started before these
        # settings existed and would keep the managed windows for this whole session: end them, so
        # that everything from here on starts with the settings in place.
        "$VAULTLET_WINESERVER" -k 2>/dev/null
        "$VAULTLET_WINESERVER" -w 2>/dev/null
        touch "$ready"
        rmdir "$lock"
        return 0
    fi
    local waited=0
    while [ ! -f "$ready" ] && [ $waited -lt 600 ]; do
        sleep 0.5
        waited=$((waited + 1))
    done
    [ -f "$ready" ]
}

# Two removable drives for the install tests, each a folder of the prefix: R: with the volume label
# VAULTTEST and S: without one. Wine reads a drive's type when the prefix's services start, which
# the caller makes happen afterwards.
vaultlet_wine_removable_drives() {
    local letter
    for letter in r s; do
        mkdir -p "$WINEPREFIX/removable-$letter"
        ln -sfn "../removable-$letter" "$WINEPREFIX/dosdevices/$letter:"
        "$VAULTLET_WINE" reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d floppy /f </dev/null >/dev/null 2>&1
    done
    printf 'VAULTTEST\n' >"$WINEPREFIX/removable-r/.windows-label"
}

# Sets the display resolution the prefix's programs see (Wine's LogPixels: 96 is 100 % scaling, 144 is 150 %).
# A program reads it when it starts; the prefix's background services are ended when it changes, so that
# none of them keeps the old one.
vaultlet_wine_dpi() { # vaultlet_wine_dpi DPI
    local key='HKCU\Control Panel\Desktop' current
    # A fresh prefix has no such value, and the query then fails: callers may run under "set -e".
    current=$("$VAULTLET_WINE" reg query "$key" /v LogPixels </dev/null 2>/dev/null | tr -d '\r' |
        awk '$1 == "LogPixels" { print $3 }') || current=""
    [ -n "$current" ] && [ "$((current))" -eq "$1" ] && return 0
    "$VAULTLET_WINE" reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1 || return 1
    "$VAULTLET_WINESERVER" -k 2>/dev/null
    "$VAULTLET_WINESERVER" -w 2>/dev/null
    return 0
}

VAULTLET_WINE=/usr/lib/wine/wine64
VAULTLET_WINESERVER=/usr/lib/wine/wineserver64
