# Sourced by the test scripts that count their own checks.
#
# check DESCRIPTION COMMAND...: runs the command and counts it as passed or failed.
# summary NAME: prints "NAME: P passed, F failed" and returns 1 when any failed.
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok: $what"
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
    fi
}
summary() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
# equals ACTUAL EXPECTED: a check that shows both when they differ.
equals() { [ "$1" = "$2" ] || { printf 'expected: %q\nactual:   %q\n' "$2" "$1"; return 1; }; }
