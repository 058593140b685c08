#!/usr/bin/env bash
# Builds what users download a second time, from a copy of the sources in
# another folder with new file times, and checks that the files are the same
# bytes: the Debian package, the Windows zip and the installer.  The copy is
# on the same file system (the package's Installed-Size, as cpack counts it,
# includes the size the file system gives each folder).
# Usage: reproducible.sh (from the repository, after the release and windows
# stages of scripts/dev test made the first ones).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/check.sh"
mkdir -p "$root/build"
work=$(mktemp -d "$root/build/reproduce.XXXXXX")
trap 'rm -rf "$work"' EXIT

copy=$work/elsewhere/tessivane
mkdir -p "$copy"
tar -C "$root" --exclude=./build -cf - . | tar -C "$copy" --touch -xf -
(
    cd "$copy" &&
        cmake --preset release >/dev/null && cmake --build --preset release >/dev/null &&
        (cd build/release && cpack -G DEB >/dev/null) &&
        cmake --preset windows >/dev/null && cmake --build --preset windows --target package >/dev/null
) >"$work/build.log" 2>&1 || tail -n 30 "$work/build.log"

same() { # FIRST SECOND
    local a b
    a=$(sha256sum <"$1" 2>/dev/null | cut -d' ' -f1)
    b=$(sha256sum <"$2" 2>/dev/null | cut -d' ' -f1)
    echo "$(basename "$1"): ${a:-missing} ${b:-missing}"
    [ -n "$a" ] && [ "$a" = "$b" ] && return
    command -v diffoscope >/dev/null && diffoscope --no-progress "$1" "$2" 2>&1 | head -n 60
    return 1
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/windows/CMakeCache.txt")
for file in release/tessivane_${version}_amd64.deb windows/tessivane-$version-windows-x64.zip \
    windows/tessivane-$version-setup.exe; do
    check "a second build gives the same $(basename "$file")" same "$root/build/$file" "$copy/build/$file"
done
summary reproducible
