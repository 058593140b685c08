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
window_wait=150 # Wine starts and draws more slowly
source "$lib/xwindows.sh"
start_xvfb "$work" || exit 1
openbox >/dev/null 2>&1 &
openbox=$!
