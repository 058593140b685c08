#!/usr/bin/env bash
# Builds the Debian source and binary packages as Debian does, from a copy of
# the working tree in build/debian, and checks them with Debian's tools.
# Usage: package.sh [BUILD_FOLDER...]; those folders' binaries are checked for
# library search paths too.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/check.sh"
source "$root/scripts/lib/debian.sh"
out=$root/build/debian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf "$out"
build_debian_package "$root" "$out" >"$work/build.log" 2>&1 || tail -n 40 "$work/build.log"
mkdir -p "$out" && cp "$work/build.log" "$out/build.log"
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
package=$out/tessivane_${version}_amd64.deb
check "dpkg-buildpackage builds the packages, the unit and window tests passing" \
    test -f "$package" -a -f "$out/tessivane-dbgsym_${version}_amd64.deb"
if [ -f "$package" ]; then
    lintian --info --pedantic --fail-on error,warning "$out/tessivane_${version}_amd64.changes" >"$work/lintian.log" 2>&1
    status=$?
    grep -v 'running with root privileges' "$work/lintian.log" | sed 's/^/lintian: /'
    check "lintian finds no error and no warning in the source and binary packages" test "$status" -eq 0

    dpkg-deb -x "$package" "$work/root"
    hardening-check -v "$work/root/usr/bin/tessivane" | sed 's/^/hardening-check: /'
    check "the program is built with every protection hardening-check knows" hardened "$work/root/usr/bin/tessivane"
    check "every compiler and linker call of the build has Debian's hardening flags (blhc)" \
        blhc --arch="$(dpkg --print-architecture)" --bindnow "$out/build.log"
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
mapfile -t binaries < <(find "$out" "$@" -type f -perm -u+x -not -name '*.so*' -exec sh -c 'head -c 4 "$1" | grep -q ELF' _ {} \; -print)
check "no binary in the build folders has an empty search path entry (${#binaries[@]} binaries)" \
    no_empty_entry "${binaries[@]}"

summary package
