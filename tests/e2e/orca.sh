#!/usr/bin/env bash
# What a blind user hears: the program driven by the keyboard alone under Orca,
# Debian's screen reader, on its own X server with a window manager and a
# private D-Bus session and accessibility bus. Each step checks what Orca said.
# Usage: orca.sh PROGRAM SITE_BASE
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
if ! command -v orca >/dev/null; then
    echo "orca: skipped: Orca (Debian's package orca) is not installed, so nothing was heard"
    exit 77
fi
# On a busy machine Orca may speak a step later than the journey waits for it.
# A failed journey is run once more, on a new X server and session, with both
# shown; only a second failure fails the test.
if [[ -z ${TESSIVANE_ORCA_RETRY:-} ]]; then
    TESSIVANE_ORCA_RETRY=1 "$0" "$@"
    status=$?
    [[ $status == 0 || $status == 77 ]] && exit "$status"
    echo "orca: the journey failed; running it once more to tell a late step from a fault"
    TESSIVANE_ORCA_RETRY=2 "$0" "$@"
    status=$?
    exit $((status == 77 ? 1 : status)) # a second run that cannot run hides the first one's failure
fi
source "$here/leg.sh"
start_xvfb "$work" || exit 1
export XDG_DATA_HOME=$work/home/.local/share
unset XDG_SESSION_ID QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids="$! $xvfb"

# The session bus and the accessibility bus live only as long as the driver.
# (Their daemons complain on stderr that they may not raise their file limit.)
dbus-run-session -- /usr/bin/python3 "$here/orca.py" "$@" "$work" \
    2> >(grep -v 'fd limit\|Activating service\|Successfully activated\|SpiRegistry daemon' >&2)
