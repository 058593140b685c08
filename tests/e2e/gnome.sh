#!/usr/bin/env bash
# The journey on GNOME's compositor (gnome.py): mutter nested in a private
# Xvfb, with a GNOME session's environment, where the program runs through
# mutter's Xwayland. Usage: gnome.sh PROGRAM SITE_BASE REPORT_PROBE
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/leg.sh"
start_xvfb "$work" || exit 1
host=$DISPLAY
give_up() {
    echo "FAILED: $1 (giving up)"
    echo "--- mutter:" && tail -n 20 "$work/mutter.log"
    echo "e2e (gnome): 0 passed, 1 failed"
    exit 1
}

dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork --nopidfile 2>/dev/null &
pids="$! $xvfb"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
# The output fits the Xvfb, so that a screenshot of it holds the whole desktop.
width=1000 height=700
sockets=$(ls /tmp/.X11-unix 2>/dev/null)
MUTTER_DEBUG_DUMMY_MODE_SPECS=${width}x$height mutter --nested --wayland --wayland-display=tessivane-gnome \
    >"$work/mutter.log" 2>&1 &
pids="$! $pids"
for _ in $(seq 150); do
    # Its Xwayland's display: as mutter names it, or the new socket.
    nested=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$work/mutter.log")
    [ -n "$nested" ] || nested=$(comm -13 <(echo "$sockets") <(ls /tmp/.X11-unix 2>/dev/null) | head -n 1 | tr X :)
    [ -n "$nested" ] && [ -S "$XDG_RUNTIME_DIR/tessivane-gnome" ] && break
    sleep 0.1
done
[ -n "$nested" ] || give_up "mutter starts with its Xwayland"
export DISPLAY=$nested WAYLAND_DISPLAY=tessivane-gnome XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
# Xwayland and its cookie may come a moment after mutter names them.
for _ in $(seq 150); do
    XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n 1)
    export XAUTHORITY
    [ -n "$XAUTHORITY" ] && xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
export HOST_DISPLAY=$host WIDTH=$width HEIGHT=$height
/usr/bin/python3 "$here/gnome.py" "$@" "$work"
