#!/usr/bin/env bash
# The layout of every scene of the dialog gallery at one display scaling:
#
#   DpiLayoutTest.sh GALLERY.exe DPI [SCENE...]
#
# runs `dialog_gallery --check` (tools/gallery/LayoutCheck.h) with Wine's display resolution set to DPI
# (96, 120, 144 and 192 are 100, 125, 150 and 200 %) and fails when any scene has a fault, or when the
# gallery did not run at that resolution. A new scene of the gallery is checked without a change here;
# naming scenes checks only those.
#
# The resolution is a setting of the whole Wine prefix, so the check has a prefix of its own
# (VAULTLET_DPI_PREFIX), never the one the other tests share; the tests of the four resolutions take
# turns in it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/wine-env.sh"

[ $# -ge 2 ] || {
    echo "usage: DpiLayoutTest.sh GALLERY.exe DPI [SCENE...]  (VAULTLET_DPI_PREFIX names the Wine prefix)" >&2
    exit 2
}
gallery=$(realpath "$1")
dpi=$2
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

vaultlet_wine_env "${VAULTLET_DPI_PREFIX:?}"
vaultlet_wine_init || {
    echo "FAIL: cannot create the Wine prefix $WINEPREFIX"
    exit 1
}
vaultlet_wine_dpi "$dpi" || {
    echo "FAIL: cannot set the display resolution to $dpi DPI"
    exit 1
}
# The prefix's server and services end with the test, whatever happens.
trap '"$VAULTLET_WINESERVER" -k 2>/dev/null; "$VAULTLET_WINESERVER" -w 2>/dev/null' EXIT

report=$(timeout 900 "$VAULTLET_WINE" "$gallery" --check "${@:3}" </dev/null 2>/dev/null | tr -d '\r')
status=${PIPESTATUS[0]}
echo "$report"
if ! grep -qx "layout check at $dpi DPI" <<<"$report"; then
    echo "FAIL: the gallery did not run at $dpi DPI"
    exit 1
fi
exit "$status"
