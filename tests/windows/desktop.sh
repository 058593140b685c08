# Sourced by the tests under Wine: what every leg has (leg.sh), a private X
# server with a window manager, and at exit Wine's server ended too.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/leg.sh"
source "$lib/check.sh"
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
start_xvfb "$work" || exit 1
openbox >/dev/null 2>&1 &
pids="$! $xvfb"

# wine_user WINE_RUN: a Wine prefix of the leg's own, which has Wine's sans-serif
# face for its dialog font, as Windows has Tahoma.
wine_user() {
    export TESSIVANE_WINEPREFIX=$work/prefix WINEPREFIX=$work/prefix
    "$1" cmd /c exit 0 >/dev/null 2>&1 # makes the prefix
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
}
