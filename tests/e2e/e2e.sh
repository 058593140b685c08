#!/usr/bin/env bash
# The journey on its own Xvfb, without a window manager, as a user at the
# keyboard takes it (x11.py).  Usage: e2e.sh PROGRAM SITE_BASE REPORT_PROBE
set -uo pipefail
export PYTHONDONTWRITEBYTECODE=1 # nothing written beside the drivers

here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
cleanup() {
    kill "${xvfb:-}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

source "$here/../../scripts/lib/xvfb.sh"
start_xvfb "$work" || exit 1
source "$here/../../scripts/lib/session.sh"
private_user "$work"

/usr/bin/python3 "$here/x11.py" "$@" "$work"
status=$?
kill -0 "$xvfb" 2>/dev/null || { echo "--- Xvfb has ended; its log:" && cat "$work/xvfb.log"; }
exit $status
