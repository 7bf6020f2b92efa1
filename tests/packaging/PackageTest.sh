#!/usr/bin/env bash
# The release packages (packaging/) under Wine, as a user would meet them:
#
#   PackageTest.sh installer SETUP.exe      a silent install puts the files (the user guide among them),
#       the machine key's "Install_Dir", the Start-menu shortcut, the .kvtdat type and the Add/Remove
#       Programs entry in place; opening a database file starts the installed copy with it, that copy
#       keeps its settings in the registry, and F1 in its login window opens the guide at the login page;
#       while it runs, installing and uninstalling are refused; a silent uninstall takes all of it away and
#       leaves the user's database and settings. A folder outside Program Files gets the permissions of
#       Program Files, a folder there with other files in it is refused, and the finish page starts the
#       program through the shell, not as a child of the (elevated) installer.
#   PackageTest.sh portable PORTABLE.zip    the unpacked copy, opened with a database, keeps its
#       settings in the ini file beside it and writes nothing to the registry; it holds the user guide.
#
# VAULTLET_USER_GUIDE names the built guide's folder (its pages in html/), which the shipped Vaultlet.chm
# must hold in full.
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
        if ! compgen -G "$prefix/.vaultlet-ready*" >/dev/null && [ ! -e "$prefix/.vaultlet-init" ]; then
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
# status COMMAND...: prints the command's exit status.
status() {
    "$@"
    echo $?
}
# The guide shipped as FILE holds every page, picture, the contents and the index of the built guide.
guide_complete() { python3 "$root/tools/guide/guide.py" check-chm "$1" "${VAULTLET_USER_GUIDE:?}/html" >/dev/null; }
# F1 in the program's login window opens the guide at the login page in the system's help viewer. Wine's
# process list has no command lines: what the program gave the shell to open is read from TRACE, Wine's trace
# of ShellExecute (the "exec" channel, switched on for the program's start), which names file and parameters.
check_f1_opens_guide() { # check_f1_opens_guide TRACE
    local login viewer
    login=$(timeout 20 xdotool search --sync --onlyvisible --name "^$product\$" | head -n 1)
    check "the program's login window is up" test -n "$login"
    [ -n "$login" ] && xdotool windowfocus --sync "$login" key F1
    viewer=$(timeout 20 xdotool search --sync --onlyvisible --name "^$product User Guide\$" | head -n 1)
    check "F1 opens the user guide in the help viewer" test -n "$viewer"
    check "hh.exe shows the login window's page of the guide installed beside the program" \
        grep -qiE 'ShellExecute.*hh\.exe.*Keyhaven\\+Vaultlet\.chm::/login\.html' "$1"
    wine taskkill /IM hh.exe </dev/null >/dev/null
}
# Runs the uninstaller in its folder and waits for it, with its exit status (with "_?=" it does not hand over
# to a copy of itself). NSIS takes everything after "_?=" as the folder and expects no quotes around it, so the
# words go to Wine one by one and it joins them with spaces again.
uninstall_in_place() { # uninstall_in_place FOLDER
    local -a words
    read -ra words <<<"_?=$1"
    wine "$1\\uninstall.exe" /S "${words[@]}"
}

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

    local install_trace=$work/install-trace.log
    check "the installer runs silently and succeeds" install_traced "$install_trace" /S
    check "a folder in Program Files keeps the permissions it inherits" absent grep -qF SetNamedSecurityInfoW "$install_trace"
    check "Vaultlet.exe, vaultlet-cli.exe and uninstall.exe are under Program Files" \
        test -f "$installed/Vaultlet.exe" -a -f "$installed/vaultlet-cli.exe" -a -f "$installed/uninstall.exe"
    check "the user guide is installed beside the program, with every page" guide_complete "$installed/Vaultlet.chm"
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

    local trace=$work/program-trace.log
    WINEDEBUG=-all,trace+exec timeout 60 "$VAULTLET_WINE" "$install_dir\\Vaultlet.exe" </dev/null >/dev/null 2>"$trace" &
    program_pid=$!
    check_f1_opens_guide "$trace"

    # While a copy runs, its files are neither replaced nor removed.
    check_equal "installing while the program runs is refused" "$(status wine "$package" /S)" 2
    check_equal "uninstalling while the program runs is refused" \
        "$(status uninstall_in_place "$install_dir")" 2
    check "the refused uninstall leaves the program in place" test -f "$installed/Vaultlet.exe" -a -f "$installed/Vaultlet.chm"
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
    check "the zip holds the user guide with every page" guide_complete "$copy/Vaultlet.chm"
    check "the zip's vaultlet-cli.exe creates a database" make_database "C:\\Portable\\$product\\vaultlet-cli.exe" "$database"
    start_program "C:\\Portable\\$product\\Vaultlet.exe" "$database"
    # (The ini file escapes the path's backslashes; the file name is the test's own.)
    check "the opened file reaches the database list in the ini file beside the copy" \
        wait_until 20 grep -qF "Travel.kvtdat" "$copy/Vaultlet.ini"
    check "the copy writes nothing to the registry" absent reg_key_exists "$settings_key"
    close_program

    rm -rf "$unpacked" "$(unix_path "$database")"
}

# A folder outside Program Files: new, it gets the permissions of Program Files; with someone else's files in
# it, it is refused and left alone. Wine keeps no permissions of files or folders (setting them succeeds,
# and reading them back gives ones made up from the Unix mode), so what is checked is what the installer asks
# of the system, in Wine's trace: the permissions of Program Files, set on that folder with its owner and as
# protected from inheritance.
readonly program_files_sddl='O:BAD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)'
# install_traced TRACE ARGS...: the installer with its security calls traced; its exit status.
install_traced() {
    local trace=$1
    shift
    WINEDEBUG=-all,trace+advapi,trace+security timeout 60 "$VAULTLET_WINE" "$package" "$@" </dev/null >/dev/null 2>"$trace"
}
# protects FOLDER TRACE: the installer set the permissions of Program Files on FOLDER (SE_FILE_OBJECT; owner,
# DACL and protected DACL: 0x80000005).
protects() {
    grep -qF "ConvertStringSecurityDescriptorToSecurityDescriptorW L\"$program_files_sddl\"" "$2" &&
        grep -qF "SetNamedSecurityInfoW L\"$(sed 's/\\/\\\\/g' <<<"$1")\" 1 -2147483643 " "$2"
}
test_folder_outside_program_files() {
    local folder='C:\Keyhaven' shared='C:\Shared' unix trace=$work/install-trace.log
    unix=$(unix_path "$folder")
    rm -rf "$unix"
    check "a silent install into a new folder outside Program Files succeeds" install_traced "$trace" /S "/D=$folder"
    check "the folder gets the permissions of Program Files (Administrators and SYSTEM full, Users read and run)" \
        protects "$folder" "$trace"
    check "the program is in it" test -f "$unix/Vaultlet.exe"
    check "the uninstaller removes it" uninstall_in_place "$folder"
    rm -rf "$unix"

    unix=$(unix_path "$shared")
    mkdir -p "$unix"
    echo "someone's notes" >"$unix/notes.txt"
    check_equal "a folder outside Program Files that holds other files is refused" \
        "$(status install_traced "$trace" /S "/D=$shared")" 2
    check "nothing is installed into it" absent test -e "$unix/Vaultlet.exe"
    check "its files stay" test -f "$unix/notes.txt"
    check "its permissions stay" absent grep -qF "SetNamedSecurityInfoW" "$trace"
    rm -rf "$unix"
}

# The installer's wizard driven as a user does (Enter on each page, "Start Quillmoth Keyhaven" left ticked):
# the program then starts through the shell with the logged-on user's own token, not as a child of the
# installer, which runs elevated. Wine has no elevation: what it shows is which process started the program.
test_finish_page() {
    local install_dir="C:\\Program Files\\$product" wizard installer_pid parent
    wine "$package" </dev/null >/dev/null &
    wizard=$!
    wait_until 20 wmic_pid_of "${package##*/}" >/dev/null
    installer_pid=$(wmic_pid_of "${package##*/}")
    local deadline=$((SECONDS + 90)) window
    while kill -0 "$wizard" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        window=$(xdotool search --onlyvisible --name "^$product Setup" | head -n 1)
        [ -n "$window" ] && xdotool windowfocus --sync "$window" key Return 2>/dev/null
        sleep 1
    done
    check "the wizard installs and finishes" test -f "$(unix_path "$install_dir")/Vaultlet.exe" -a ! -d "/proc/$wizard"
    check "its finish page starts the program" wait_until 30 wmic_pid_of Vaultlet.exe
    parent=$(wmic_parent_of Vaultlet.exe)
    check "the program is not a child of the installer" test -n "$parent" -a "$parent" != "$installer_pid"
    # A first start shows the search for databases before the login: each window is asked to close in turn.
    check "the program closes" wait_until 30 closed_on_request
    check "the uninstaller removes it again" uninstall_in_place "$install_dir"
    wine reg delete 'HKCU\Software\Quillmoth' /f </dev/null >/dev/null 2>&1
}
closed_on_request() {
    wine taskkill /IM Vaultlet.exe </dev/null >/dev/null
    ! wmic_pid_of Vaultlet.exe >/dev/null
}
# The process id, and the parent's, of a running program, from Wine's process list.
wmic_pid_of() { wmic_column_of "$1" ProcessId; }
wmic_parent_of() { wmic_column_of "$1" ParentProcessId; }
wmic_column_of() { # wmic_column_of NAME.exe COLUMN
    local line
    line=$(wine wmic process get "Name,$2" </dev/null | iconv -f UTF-16 -t UTF-8 | tr -d '\r' |
        grep -iF "$1 " | head -n 1) || return 1
    awk '{ print $NF }' <<<"$line"
}

start_wine
case "$kind" in
installer)
    test_installer
    test_folder_outside_program_files
    test_finish_page
    ;;
portable) test_portable ;;
*) usage ;;
esac

# Only a run that passed leaves the prefix marked clean for the next one.
[ "$failures" -gt 0 ] || touch "$clean_mark"
checks_summary "$kind package"
