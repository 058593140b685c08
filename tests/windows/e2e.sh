#!/usr/bin/env bash
# The journey with the Windows program under Wine (e2e.py), on its own Xvfb
# with a window manager and a Wine prefix of its own.
# Usage: e2e.sh PROGRAM.exe SITE_BASE REPORT_PROBE.exe WINE_RUN
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
wine_user "$4"
/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/e2e.py" "$@" "$work"
