#!/usr/bin/env bash
# The release packages (packaging/) under Wine, as a user would meet them:
#
#   PackageTest.sh installer SETUP.exe      a silent install puts the files, the machine key's
#       "Install_Dir", the Start-menu shortcut, the .kvtdat type and the Add/Remove Programs entry in
#       place; opening a database file starts the installed copy with it, and that copy keeps its
#       settings in the registry; a silent uninstall takes all of it away and leaves the user's
#       database and settings.
#   PackageTest.sh portable PORTABLE.zip    the unpacked copy, opened with a database, keeps its
#       settings in the ini file beside it and writes nothing to the registry.
#
# An installer writes to the machine, so these run in a Wine prefix of their own
# (VAULTLET_PACKAGE_PREFIX), never the one the other tests share. Creating a prefix costs a wineboot,
# so it is kept between runs as long as each run leaves it as it found it: a run marks it clean only
# when everything passed and it removed what it put in the user's folder; any other run is followed by
# a fresh prefix.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/wine-env.sh"
source "$root/tests/support/ScriptChecks.sh"

usage() {
    echo "usage: PackageTest.sh installer|portable PACKAGE  (VAULTLET_PACKAGE_PREFIX names the Wine prefix)" >&2
    exit 2
}
[ $# -eq 2 ] || usage
kind=$1
package=$2
prefix=${VAULTLET_PACKAGE_PREFIX:?}
if [ ! -f "$package" ]; then
    echo "FAIL: no package at '$package' (is nsis installed? scripts/install-deps)"
    exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

readonly product="Quillmoth Keyhaven"
readonly settings_key='HKCU\Software\Quillmoth\Keyhaven'
readonly clean_mark="$prefix/.vaultlet-package-clean"


# Every Wine program of the test is bounded: a dialog nobody answers fails the test instead of hanging it.
wine() { timeout 60 "$VAULTLET_WINE" "$@" 2>>"$wine_log"; }
# reg_value KEY [NAME]: the data of a value (the key's default value without NAME); fails when absent.
reg_value() {
    local output label=${2:-(Default)}
    local -a which=(/ve)
    [ $# -lt 2 ] || which=(/v "$2")
    output=$(wine reg query "$1" "${which[@]}" </dev/null) || return 1
    output=$(tr -d '\r' <<<"$output" | grep -F "    $label    REG_") || return 1
    sed -E 's/^    .*    REG_[A-Z_]+    //' <<<"$output"
}
reg_key_exists() { wine reg query "$1" </dev/null >/dev/null; }
# reg_list_has KEY TEXT: one of the key's values is exactly TEXT.
reg_list_has() { wine reg query "$1" </dev/null | tr -d '\r' | grep -qE "^    [^ ]+    REG_SZ    $(escape_ere "$2")\$"; }
escape_ere() { sed 's/[][\.*^$()+?{}|/]/\\&/g' <<<"$1"; }
unix_path() { wine winepath -u "$1" </dev/null | tr -d '\r'; }

# Starts the prefix's server for the whole run (ended, with every program still running, on exit) and
# its background services detached from our output, so that a caller reading it is not kept waiting.
start_wine() {
    if [ ! -f "$clean_mark" ] && [ -e "$prefix" ]; then
        if [ ! -e "$prefix/.vaultlet-ready" ] && [ ! -e "$prefix/.vaultlet-init" ]; then
            echo "FAIL: $prefix is not a Wine prefix of these tests; not removing it"
            exit 1
        fi
        rm -rf "$prefix"
    fi
    vaultlet_wine_env "$prefix"
    # No menu entries or file types of the host for what the installer registers.
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
    vaultlet_wine_init || {
        echo "FAIL: cannot create the Wine prefix $prefix"
        exit 1
    }
    rm -f "$clean_mark"
    work=$(mktemp -d)
    wine_log=$work/wine.log
    trap 'finish_wine' EXIT
    "$VAULTLET_WINESERVER" -p </dev/null >/dev/null 2>&1
    "$VAULTLET_WINE" wineboot </dev/null >/dev/null 2>&1
    documents=$(wine cmd /c 'echo %USERPROFILE%' </dev/null | tr -d '\r')'\Documents'
}
finish_wine() {
    "$VAULTLET_WINESERVER" -k 2>/dev/null
    "$VAULTLET_WINESERVER" -w 2>/dev/null
    if [ "$failures" -gt 0 ] && [ -s "$wine_log" ]; then
        echo "--- Wine's messages"
        tail -n 30 "$wine_log"
    fi
    rm -rf "$work"
}

# A database in the user's documents, made by the vaultlet-cli.exe of the package.
make_database() { # make_database CLI PATH
    printf 'correct horse\n' | wine "$1" --password-stdin create "$2" >/dev/null
}

# Starts PROGRAM [ARGS...] in the background; `program_pid` is the process that lasts as long as it.
start_program() {
    wine "$@" </dev/null >/dev/null &
    program_pid=$!
}
program_running() { kill -0 "$program_pid" 2>/dev/null; }
# Asks every window of Vaultlet.exe to close (taskkill posts WM_CLOSE) and waits for the program to end.
close_program() {
    wine taskkill /IM Vaultlet.exe </dev/null >/dev/null
    check "the program ends when its window is closed" wait_until 20 absent program_running
    program_running && kill "$program_pid"
    wait "$program_pid" 2>/dev/null
}

test_installer() {
    local install_dir="C:\\Program Files\\$product" machine_key='HKLM\Software\Quillmoth\Keyhaven'
    local uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillmothKeyhaven'
    local run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
    local installed shortcut database extension_class prog_id
    installed=$(unix_path "$install_dir")
    shortcut=$(unix_path 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs')/$product.lnk

    check "the installer runs silently and succeeds" wine "$package" /S
    check "Vaultlet.exe, vaultlet-cli.exe and uninstall.exe are under Program Files" \
        test -f "$installed/Vaultlet.exe" -a -f "$installed/vaultlet-cli.exe" -a -f "$installed/uninstall.exe"
    check "the language file is the program's" cmp -s "$installed/vaultlet_lang.xml" "$root/resources/vaultlet_lang.xml"
    check_equal "Install_Dir in the machine key" "$(reg_value "$machine_key" Install_Dir)" "$install_dir"
    check "the Start-menu shortcut starts the installed program" grep -qaF "$install_dir\\Vaultlet.exe" "$shortcut"

    local version
    version=$(wine "$install_dir\\vaultlet-cli.exe" --version </dev/null | tr -d '\r')
    check_equal "Add/Remove Programs: name" "$(reg_value "$uninstall_key" DisplayName)" "$product"
    check_equal "Add/Remove Programs: version" "vaultlet-cli $(reg_value "$uninstall_key" DisplayVersion)" "$version"
    check_equal "Add/Remove Programs: uninstaller" "$(reg_value "$uninstall_key" UninstallString)" \
        "\"$install_dir\\uninstall.exe\""

    extension_class=$(reg_value 'HKCR\.kvtdat')
    prog_id=${extension_class:-no-class}
    check_equal ".kvtdat files open with the installed program, the path quoted" \
        "$(reg_value "HKCR\\$prog_id\\shell\\open\\command")" "\"$install_dir\\Vaultlet.exe\" \"%1\""

    # Opening a file through its type, as Explorer does: the program adds the file to its database list,
    # which an installed copy keeps in the registry, not in an ini file beside itself.
    database="$documents\\My Passwords.kvtdat"
    check "the installed vaultlet-cli.exe creates a database" make_database "$install_dir\\vaultlet-cli.exe" "$database"
    start_program start /wait "$database"
    check "the opened file reaches the installed program's database list in the registry" \
        wait_until 20 reg_list_has "$settings_key\\DataBaseList" "$database"
    check "the installed program writes no ini file beside itself" absent test -e "$installed/Vaultlet.ini"
    close_program

    # The program's "Run at Windows Startup" entry of this copy.
    wine reg add "$run_key" /v "$product" /d "\"$install_dir\\Vaultlet.exe\" -minimize" /f </dev/null >/dev/null

    # The uninstaller hands over to a copy of itself outside the folder and returns; its last step
    # removes the Add/Remove Programs entry.
    check "the uninstaller starts silently" wine "$install_dir\\uninstall.exe" /S
    check "the uninstaller finishes" wait_until 30 absent reg_key_exists "$uninstall_key"
    check "the program's folder is gone" absent test -e "$installed"
    check "the Start-menu shortcut is gone" absent test -e "$shortcut"
    check "the machine key is gone" absent reg_key_exists 'HKLM\Software\Quillmoth'
    check "the .kvtdat type is gone" absent reg_key_exists 'HKCR\.kvtdat'
    check "the program's file class is gone" absent reg_key_exists "HKCR\\$prog_id"
    check "the start-up entry is gone" absent reg_value "$run_key" "$product"
    check "the user's database stays" test -f "$(unix_path "$database")"
    check "the user's settings stay" reg_list_has "$settings_key\\DataBaseList" "$database"

    rm -f "$(unix_path "$database")"
    wine reg delete 'HKCU\Software\Quillmoth' /f </dev/null >/dev/null
}

test_portable() {
    local unpacked database copy
    unpacked=$(unix_path 'C:\Portable')
    rm -rf "$unpacked"
    mkdir -p "$unpacked"
    check "the zip unpacks" cmake -E chdir "$unpacked" cmake -E tar xf "$package"
    copy="$unpacked/$product"
    check "the zip holds Vaultlet.exe, vaultlet-cli.exe and an empty Vaultlet.ini" \
        test -f "$copy/Vaultlet.exe" -a -f "$copy/vaultlet-cli.exe" -a -f "$copy/Vaultlet.ini" -a ! -s "$copy/Vaultlet.ini"
    check "the language file is the program's" cmp -s "$copy/vaultlet_lang.xml" "$root/resources/vaultlet_lang.xml"

    database="$documents\\Travel.kvtdat"
    check "the zip's vaultlet-cli.exe creates a database" make_database "C:\\Portable\\$product\\vaultlet-cli.exe" "$database"
    start_program "C:\\Portable\\$product\\Vaultlet.exe" "$database"
    # (The ini file escapes the path's backslashes; the file name is the test's own.)
    check "the opened file reaches the database list in the ini file beside the copy" \
        wait_until 20 grep -qF "Travel.kvtdat" "$copy/Vaultlet.ini"
    check "the copy writes nothing to the registry" absent reg_key_exists "$settings_key"
    close_program

    rm -rf "$unpacked" "$(unix_path "$database")"
}

start_wine
case "$kind" in
installer) test_installer ;;
portable) test_portable ;;
*) usage ;;
esac

# Only a run that passed leaves the prefix marked clean for the next one.
[ "$failures" -gt 0 ] || touch "$clean_mark"
checks_summary "$kind package"
