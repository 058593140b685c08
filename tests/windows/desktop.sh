# Sourced by the tests under Wine: a folder $work of their own, a private X
# server with a window manager, and at exit Wine's server, the X server and
# the folder gone.
work=$(mktemp -d)
cleanup() {
    wineserver -k 2>/dev/null
    kill ${openbox:-} ${xvfb:-} 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

lib=$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib
source "$lib/xvfb.sh"
source "$lib/check.sh"
source "$lib/session.sh"
start_xvfb "$work" || exit 1
openbox >/dev/null 2>&1 &
openbox=$!

# wine_user WINE_RUN: a user of its own (session.sh) with a Wine prefix of its
# own, which has Wine's sans-serif face for its dialog font, as Windows has Tahoma.
wine_user() {
    private_user "$work"
    export TESSIVANE_WINEPREFIX=$work/prefix WINEPREFIX=$work/prefix
    "$1" cmd /c exit 0 >/dev/null 2>&1 # makes the prefix
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
}
