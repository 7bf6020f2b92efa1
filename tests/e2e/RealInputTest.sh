#!/usr/bin/env bash
# The real program driven by real X input from outside Wine, as a user drives it (xdotool):
#
#   RealInputTest.sh VAULTLET.exe VAULTLET-CLI.exe AUTOFILL_TARGET.exe DISPLAY_STATE.exe
#
# types the master password into the login, drags a passcard from the tree onto another program's
# login form with the mouse, then presses the global hot key over that form and accepts the passcard
# the chooser offers for it. The form (autofill_target.exe) reports what it received. The other
# end-to-end tests synthesize their input inside Wine; this one checks that the program reacts to
# the events a real mouse and keyboard produce, mouse capture and key state included. Every step
# waits for the state its input needs (a window up, in front, with the X input focus, the hot key
# held) instead of for a time; when the hot key opens nothing the display's state is printed
# (display_state.exe).
# Runs in the Wine prefix of the calling test run ($WINEPREFIX), or else the build tree's.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/wine-env.sh"
source "$root/tests/support/ScriptChecks.sh"

[ $# -eq 4 ] || {
    echo "usage: RealInputTest.sh VAULTLET.exe VAULTLET-CLI.exe AUTOFILL_TARGET.exe DISPLAY_STATE.exe" >&2
    exit 2
}
program=$(realpath "$1")
cli=$(realpath "$2")
target=$(realpath "$3")
display_state=$(realpath "$4")
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
# Wine passes keys on only while one of its windows has the X input focus: focus WINDOW moves it
# there and waits until it has arrived, or says where it is.
focus() {
    [ -n "$1" ] || return 1
    xdotool windowfocus "$1"
    wait_until 10 has_focus "$1" || {
        echo "(the X input focus is on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\")"
        return 1
    }
}
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
running() { [ -n "$(ps -o stat= -p "$1" 2>/dev/null | grep -v Z)" ]; }
show_state() {
    echo "--- the display: X input focus on \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\""
    "$VAULTLET_WINE" "$display_state" </dev/null 2>&1 | tr -d '\r'
}
fields_are() { # fields_are FILE LOGIN PASSWORD
    [ "$(cat "$1" 2>/dev/null)" = "$(printf 'login=%s\npassword=%s' "$2" "$3")" ]
}
# filled FILE: the form's fields hold the passcard's login and password, or they are shown.
filled() {
    wait_until 10 fields_are "$1" "buyer" "pa55 w0rd" || {
        echo "(the form holds: $(tr '\n' ' ' <"$1" 2>/dev/null))"
        return 1
    }
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
"$VAULTLET_WINE" "$program" -c "Z:$work/Vaultlet.ini" "$database" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
check "the login appears" wait_until 60 has_window "Quillmoth Keyhaven"
login=$(visible_window "Quillmoth Keyhaven")
[ -n "$login" ] || {
    if running "$program_pid"; then
        echo "--- the program runs"
    else
        wait "$program_pid"
        echo "--- the program ended with status $?"
    fi
    cat "$work/program.log"
    show_state
    checks_summary "real input"
}
check "the login has the X input focus" focus "$login"
xdotool type --delay 30 "$password"
xdotool key Return
login_gone() { ! xdotool getwindowname "$login" >/dev/null 2>&1; }
check "the typed password opens the main window" wait_until 20 login_gone
check "the main window is up" wait_until 10 has_window "Quillmoth Keyhaven"

# start_form FIELDS_FILE: the form, and where to drag from and to in $work/points, once the form
# is in front with the focus in its login field and the program holds the hot key, and once its
# window shows on the X display under its final title. (The form reports its state before Wine has
# necessarily passed its window's title on to the X server: a window looked up right after the
# report was once not found, and the hot key then went to no window at all.)
start_form() {
    "$VAULTLET_WINE" "$target" "Z:$1" 2 2 >"$work/points" 2>&1 &
    form_pid=$!
    pids+=("$form_pid")
    wait_until 30 grep -q '^target' "$work/points" || {
        cat "$work/points"
        return 1
    }
    wait_until 10 has_window "Log in: ${1##*/}"
}
# stop_form TITLE: ends the form's process and waits until its window has left the display.
stop_form() {
    kill "$form_pid" 2>/dev/null
    wait_until 10 absent running "$form_pid" && wait_until 10 absent has_window "$1"
}

# A real drag: the passcard from the tree onto the form's login field types its template there. The
# moves go out at once: the events keep their order, and the tree detects the drag from them.
check "the form reports where to drag" start_form "$work/dragged"
# A console program's output under Wine ends its lines with CR LF.
read -r _ sx sy < <(grep '^source' "$work/points" | tr -d '\r')
read -r _ tx ty < <(grep '^target' "$work/points" | tr -d '\r')
if [ -n "${sx:-}" ] && [ -n "${tx:-}" ]; then
    xdotool mousemove "$sx" "$sy" mousedown 1
    for step in 1 2 3 4 5 6; do
        xdotool mousemove $((sx + (tx - sx) * step / 6)) $((sy + (ty - sy) * step / 6))
    done
    xdotool mouseup 1
fi
check "dropping the passcard fills login and password" filled "$work/dragged"
check "the form dropped on ends" stop_form "Log in: dragged"

# The hot key, pressed once over a new form: the chooser comes up with its tree in the focus; End
# picks the last row, the passcard, and Enter is OK.
check "a second form comes up in front, the program holding the hot key" start_form "$work/hotkey"
check "the form has the X input focus" focus "$(visible_window "Log in: hotkey")"
xdotool key ctrl+alt+f
check "the hot key opens the chooser" wait_until 10 has_window "Auto-fill"
has_window "Auto-fill" || show_state
chooser=$(visible_window "Auto-fill")
if [ -n "$chooser" ]; then
    check "the chooser has the X input focus" focus "$chooser"
    xdotool key End Return
fi
check "OK on the chosen passcard fills the form" filled "$work/hotkey"
checks_summary "real input"
