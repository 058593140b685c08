#!/usr/bin/env bash
# What a Windows screen reader is told on the journey under Wine
# (screen_reader.py), on its own Xvfb with a window manager and a Wine prefix
# of its own.
# Usage: screen_reader.sh PROGRAM.exe UIA_READER.exe UIA_RECORDER.dll REPORT_PROBE.exe WINE_RUN
set -uo pipefail

uia_reader=$2
wine_run=$5
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

wine_user "$wine_run"
"$wine_run" "$uia_reader" tree >/dev/null 2>&1
if [ $? -eq 3 ]; then
    # Wine 8 (Debian 12) has no UI Automation client.
    echo "screen reader (wine): skipped: this Wine ($(wine --version)) has no UI Automation client"
    exit 77
fi

/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py" "$@" "$work"
