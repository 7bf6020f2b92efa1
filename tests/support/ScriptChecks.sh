# Counting checks for the test scripts that drive whole programs (sourced, not run):
# each check prints "ok:" or "FAIL:" with its description, and `checks_summary NAME` ends the script
# with "NAME: all N checks passed" or "NAME: F of N checks failed" and the matching status.

checks=0
failures=0
pass() {
    echo "ok:   $*"
    checks=$((checks + 1))
}
fail() {
    echo "FAIL: $*"
    checks=$((checks + 1))
    failures=$((failures + 1))
}
# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
# check_equal DESCRIPTION ACTUAL EXPECTED
check_equal() {
    if [ "$2" = "$3" ]; then
        pass "$1"
    else
        fail "$1: '$2', expected '$3'"
    fi
}
# wait_until SECONDS COMMAND...: true as soon as the command succeeds, false when the time is up.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
absent() { ! "$@"; }
# checks_summary NAME: the last line of the script, and its exit status.
checks_summary() {
    if [ "$failures" -gt 0 ]; then
        echo "$1: $failures of $checks checks failed"
        exit 1
    fi
    echo "$1: all $checks checks passed"
    exit 0
}
