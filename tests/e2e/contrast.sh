#!/usr/bin/env bash
# The desktop's high contrast as GNOME sets it (contrast.py): its key in a private
# GSettings keyfile, served by the settings portal (xdg-desktop-portal with its
# GTK backend) on a private session bus, the program on its own Xvfb with openbox.
# Usage: contrast.sh PROGRAM
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/leg.sh"
start_xvfb "$work" || exit 1
pids=$xvfb
# The portal picks its backend by desktop (Debian 12) or by portals.conf (Debian 13).
export XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile
mkdir -p "$XDG_CONFIG_HOME/xdg-desktop-portal"
printf '[preferred]\ndefault=gtk\n' >"$XDG_CONFIG_HOME/xdg-desktop-portal/portals.conf"
bus=$(dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --fork --print-pid) || exit 1
pids="$pids $bus"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
openbox >"$work/openbox.log" 2>&1 &
pids="$pids $!"
/usr/bin/python3 "$here/contrast.py" "$1" "$work"
