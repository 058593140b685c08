#!/usr/bin/env bash
# The journey on its own Xvfb, without a window manager, as a user at the
# keyboard takes it (x11.py).  Usage: e2e.sh PROGRAM SITE_BASE REPORT_PROBE
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/leg.sh"
start_xvfb "$work" || exit 1
pids=$xvfb
/usr/bin/python3 "$here/x11.py" "$@" "$work"
