#!/usr/bin/env bash
# The real program driven by real X input from outside Wine, as a user drives it (xdotool):
#
#   RealInputTest.sh VAULTLET.exe VAULTLET-CLI.exe AUTOFILL_TARGET.exe
#
# types the master password into the login, drags a passcard from the tree onto another program's
# login form with the mouse, then presses the global hot key over that form and accepts the passcard
# the chooser offers for it. The form (autofill_target.exe) reports what it received. The other
# end-to-end tests synthesize their input inside Wine; this one checks that the program reacts to
# the events a real mouse and keyboard produce, mouse capture and key state included.
# Runs in the Wine prefix of the calling test run ($WINEPREFIX), or else the build tree's.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/wine-env.sh"
source "$root/tests/support/ScriptChecks.sh"

[ $# -eq 3 ] || {
    echo "usage: RealInputTest.sh VAULTLET.exe VAULTLET-CLI.exe AUTOFILL_TARGET.exe" >&2
    exit 2
}
program=$(realpath "$1")
cli=$(realpath "$2")
target=$(realpath "$3")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
vaultlet_wine_env "${WINEPREFIX:-$(dirname "$(dirname "$program")")/wineprefix}"
vaultlet_wine_init

readonly password="real input"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

visible_window() { # visible_window NAME: the first visible window with exactly that name
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
has_window() { [ -n "$(visible_window "$1")" ]; }
focus() { timeout 10 xdotool windowfocus --sync "$1"; } # --sync alone would wait for ever
fields_are() { # fields_are FILE LOGIN PASSWORD
    [ "$(cat "$1" 2>/dev/null)" = "$(printf 'login=%s\npassword=%s' "$2" "$3")" ]
}
cli() { printf '%s\n' "$password" | "$VAULTLET_WINE" "$cli" --password-stdin "$@" >/dev/null 2>>"$work/cli.log"; }

# A database whose tree is Home > Web > Shop, an auto-fill passcard with a login and a password.
database="Z:$work/home.kvtdat"
cli create "$database" --iterations 1 || { echo "FAIL: the database could not be made"; exit 1; }
for group in Network Internet E-Mail HomeBanking Software; do
    cli rm "$database" "$group"
done
cat >"$work/shop.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<Cofferbook><Database><Name>Home</Name><Groups><Group><Name>Web</Name><Passcards><Passcard>
<Name>Shop</Name><Autofill>1</Autofill><Items>
<Item><Name>Login</Name><Data>buyer</Data><Type>1</Type><Hide>0</Hide></Item>
<Item><Name>Password</Name><Data>pa55 w0rd</Data><Type>0</Type><Hide>1</Hide></Item>
</Items></Passcard></Passcards></Group></Groups></Database></Cofferbook>
EOF
cli import "$database" xml "Z:$work/shop.xml" || { echo "FAIL: the passcard could not be imported"; exit 1; }

# The login: the database given on the command line, the password typed.
"$VAULTLET_WINE" "$program" -c "Z:$work/Vaultlet.ini" "$database" >/dev/null 2>&1 &
pids+=($!)
check "the login appears" wait_until 30 has_window "Quillmoth Keyhaven"
login=$(visible_window "Quillmoth Keyhaven")
[ -n "$login" ] || checks_summary "real input"
focus "$login"
xdotool type --delay 30 "$password"
xdotool key Return
login_gone() { ! xdotool getwindowname "$login" >/dev/null 2>&1; }
check "the typed password opens the main window" wait_until 20 login_gone
check "the main window is up" wait_until 10 has_window "Quillmoth Keyhaven"

start_form() { # start_form FIELDS_FILE: the form, and where to drag from and to in $work/points
    "$VAULTLET_WINE" "$target" "Z:$1" 2 2 >"$work/points" 2>&1 &
    pids+=($!)
    wait_until 20 grep -q '^target' "$work/points"
}

# A real drag: the passcard from the tree onto the form's login field types its template there.
check "the form reports where to drag" start_form "$work/dragged"
# A console program's output under Wine ends its lines with CR LF.
read -r _ sx sy < <(grep '^source' "$work/points" | tr -d '\r')
read -r _ tx ty < <(grep '^target' "$work/points" | tr -d '\r')
if [ -n "${sx:-}" ] && [ -n "${tx:-}" ]; then
    xdotool mousemove "$sx" "$sy"
    sleep 0.3
    xdotool mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((sx + (tx - sx) * step / 6)) $((sy + (ty - sy) * step / 6))
        sleep 0.15
    done
    sleep 0.3
    xdotool mouseup 1
fi
check "dropping the passcard fills login and password" wait_until 10 fields_are "$work/dragged" "buyer" "pa55 w0rd"
kill "${pids[-1]}" 2>/dev/null

# The hot key over a new form: the chooser comes up with its tree in the focus; End picks the last
# row, the passcard, and Enter is OK.
check "a second form comes up" start_form "$work/hotkey"
form=$(visible_window "Log in: hotkey")
# Under load the focus can still be on its way when the key goes out, and Wine passes a hot key on
# only while one of its windows has the X focus: a user would press again, and so does this.
press_hot_key() {
    local try
    for try in 1 2 3; do
        [ "$try" -eq 1 ] || echo "note: the hot key pressed again (try $try)"
        focus "$form"
        xdotool key ctrl+alt+f
        wait_until 5 has_window "Auto-fill" && return 0
    done
    return 1
}
check "the hot key opens the chooser" press_hot_key
chooser=$(visible_window "Auto-fill")
if [ -n "$chooser" ]; then
    focus "$chooser"
    xdotool key End Return
fi
check "OK on the chosen passcard fills the form" wait_until 10 fields_are "$work/hotkey" "buyer" "pa55 w0rd"
checks_summary "real input"
