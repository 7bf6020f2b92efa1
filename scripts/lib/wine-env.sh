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

VAULTLET_WINE=/usr/lib/wine/wine64
VAULTLET_WINESERVER=/usr/lib/wine/wineserver64
