#!/usr/bin/env bash
# Builds what users download a second time and checks that the files are the
# same bytes: the Debian package, and with --windows the Windows zip and
# installer.  The second build differs from the first wherever a build may
# leak into its output: a copy of the sources with new file times, in another
# folder on another file system (tmpfs), under a group-writable umask, in a far
# time zone and in another language.
# Usage: reproducible.sh [--windows] (from the repository, after the stages of
# scripts/dev test that made the first ones).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/check.sh"
source "$root/scripts/lib/debian.sh"
work=$(mktemp -d -p /dev/shm tessivane-reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT

copy=$work/elsewhere/tessivane
mkdir -p "$copy" "$work/locale"
tar -C "$root" --exclude=./build -cf - . | tar -C "$copy" --touch -xf -
localedef -i fr_FR -f UTF-8 "$work/locale/fr_FR.UTF-8" 2>/dev/null
echo "second build: on $(stat -f -c %T "$copy") (first: $(stat -f -c %T "$root/build")), umask 0002," \
    "TZ=UTC-14 ($(TZ=UTC-14 date +%z)), LC_ALL=fr_FR.UTF-8 ($(LOCPATH=$work/locale LC_ALL=fr_FR.UTF-8 date +%A))"
(
    umask 0002
    # The shell itself cannot load a locale from LOCPATH; what it starts can.
    export TZ=UTC-14 LOCPATH=$work/locale LANGUAGE=fr
    export LC_ALL=fr_FR.UTF-8 2>/dev/null
    cd "$copy" || exit 1
    DEB_BUILD_OPTIONS=nocheck build_debian_package "$copy" "$copy/build/debian" || echo "The second Debian build failed."
    if [ "${1:-}" = --windows ]; then
        { cmake --preset windows && cmake --build --preset windows --target package; } >/dev/null ||
            echo "The second Windows build failed."
    fi
) >"$work/build.log" 2>&1
grep -q 'build failed' "$work/build.log" && tail -n 30 "$work/build.log"

same() { # FIRST SECOND
    local a b
    a=$(sha256sum <"$1" 2>/dev/null | cut -d' ' -f1)
    b=$(sha256sum <"$2" 2>/dev/null | cut -d' ' -f1)
    echo "$(basename "$1"): ${a:-missing} ${b:-missing}"
    [ -n "$a" ] && [ "$a" = "$b" ] && return
    command -v diffoscope >/dev/null && diffoscope --no-progress "$1" "$2" 2>&1 | head -n 60
    return 1
}
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
files=(debian/tessivane_${version}_amd64.deb debian/tessivane-dbgsym_${version}_amd64.deb)
[ "${1:-}" = --windows ] && files+=(windows/tessivane-$version-windows-x64.zip windows/tessivane-$version-setup.exe)
for file in "${files[@]}"; do
    check "a second build gives the same $(basename "$file")" same "$root/build/$file" "$copy/build/$file"
done
summary reproducible
