#!/usr/bin/env bash
# Builds the user guide, OUT/Vaultlet.chm, from the pages in docs/guide/ (the Windows build runs it):
# the gallery renders the pictures the pages show (OUT/pictures), tools/guide/guide.py puts pages and
# pictures together with the contents, the index and the compiler's project (OUT/html) and checks every
# link, chmcmd (Debian's fp-utils) compiles them, and the file is checked to hold every page.
#
#   tools/guide/build-guide.sh GALLERY.exe OUT
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
gallery=$(realpath "${1:?usage: build-guide.sh GALLERY.exe OUT}")
out=$(realpath -m "${2:?usage: build-guide.sh GALLERY.exe OUT}")
guide="python3 $root/tools/guide/guide.py"
source=$root/docs/guide

mapfile -t scenes < <($guide scenes "$source")
rm -rf "$out/pictures"
"$root/scripts/screenshots" --gallery "$gallery" --out "$out/pictures" "${scenes[@]}" >/dev/null
$guide build "$source" "$out/pictures" "$out/html"
rm -f "$out/html/Vaultlet.chm"
(cd "$out/html" && chmcmd --no-html-scan Vaultlet.hhp >"$out/chmcmd.log" 2>&1) || {
    cat "$out/chmcmd.log" >&2
    exit 1
}
mv "$out/html/Vaultlet.chm" "$out/Vaultlet.chm"
$guide check-chm "$out/Vaultlet.chm" "$out/html"
