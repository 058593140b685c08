#!/usr/bin/env bash
# Builds the Debian package in a release build folder and checks it as Debian
# would.  Usage: package.sh RELEASE_BUILD [OTHER_BUILD...]; the other build
# folders' binaries are checked for library search paths too.
set -uo pipefail

build=$1
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -f "$build"/tessivane_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || cat "$work/cpack.log"
package=$(ls "$build"/tessivane_*.deb 2>/dev/null | head -n 1)
check "cpack builds the package" test -n "$package"
if [ -n "$package" ]; then
    lintian --info --fail-on error,warning "$package" >"$work/lintian.log" 2>&1
    status=$?
    grep -v 'running with root privileges' "$work/lintian.log" | sed 's/^/lintian: /'
    check "lintian reports no error and no warning" test "$status" -eq 0

    dpkg-deb -x "$package" "$work/root"
    no_runpath() { ! readelf -d "$1" | grep -qE '\((RPATH|RUNPATH)\)'; }
    check "the installed program has no library search path" no_runpath "$work/root/usr/bin/tessivane"
fi

# The loader reads an empty entry as the folder the program is started from.
no_empty_entry() {
    local file paths
    for file in "$@"; do
        paths=$(readelf -d "$file" 2>/dev/null | sed -nE 's/.*\((RPATH|RUNPATH)\).*\[(.*)\]/\2/p')
        [ -z "$paths" ] && continue
        case ":$paths:" in *::*)
            echo "$file: $paths"
            return 1
            ;;
        esac
    done
}
mapfile -t binaries < <(find "$@" -type f -perm -u+x -not -name '*.so*' -exec sh -c 'head -c 4 "$1" | grep -q ELF' _ {} \; -print)
check "no binary in the build folders has an empty search path entry (${#binaries[@]} binaries)" \
    no_empty_entry "${binaries[@]}"

summary package
