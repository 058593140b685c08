#!/usr/bin/env bash
# The program at the sizes a desktop asks for through Xft.dpi (scale.py), on its
# own Xvfb the size of a small laptop's screen, without a window manager.
# Usage: scale.sh PROGRAM
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/leg.sh"
start_xvfb "$work" 1280x800 || exit 1
pids=$xvfb
/usr/bin/python3 "$here/scale.py" "$1" "$work"
