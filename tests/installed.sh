#!/usr/bin/env bash
# Debian's checks of the package the test command built, once it is installed.
# For a machine of its own (a pristine root): both install into the system.
# autopkgtest runs debian/tests against the package, as Debian's CI would;
# piuparts installs, removes and purges it in a clean root of this release.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib/check.sh
source scripts/lib/packages.sh
ensure_packages autopkgtest piuparts debootstrap >/dev/null

package=$(ls build/debian/tessivane_*_amd64.deb 2>/dev/null | head -n 1)
check "the package was built" test -n "$package"
[ -n "$package" ] || { summary installed; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

autopkgtest --output-dir "$work/autopkgtest" "$package" . -- null >"$work/autopkgtest.log" 2>&1
status=$?
sed -n '/^autopkgtest .*: @@@@@@@@@@@@@@@@@@@@ summary/,$p' "$work/autopkgtest.log"
grep -E '^(ok|FAILED): ' "$work/autopkgtest/installed-stdout" 2>/dev/null | sed 's/^/autopkgtest: /'
[ "$status" -eq 0 ] || tail -n 40 "$work/autopkgtest.log"
check "autopkgtest passes against the installed package" test "$status" -eq 0

suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
piuparts --no-upgrade-test -d "$suite" -m "$(debian_mirror)" "$package" >"$work/piuparts.log" 2>&1
status=$?
grep -E '(PASS|FAIL|ERROR):' "$work/piuparts.log" | tail -n 5 | sed 's/^/piuparts: /'
[ "$status" -eq 0 ] || tail -n 40 "$work/piuparts.log"
check "piuparts installs, removes and purges it cleanly" test "$status" -eq 0
summary installed
