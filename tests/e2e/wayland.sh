#!/usr/bin/env bash
# The program on Qt's Wayland platform, on weston's headless backend, driven
# through the accessibility bus of a private D-Bus session, since no keys can be
# sent to a Wayland client from outside.  Usage: wayland.sh PROGRAM SITE_BASE REPORT_PROBE
set -uo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
source "$here/leg.sh"
unset DISPLAY XDG_SESSION_ID

weston --backend=headless-backend.so --socket=tessivane-e2e --idle-time=0 --no-config \
    >"$work/weston.log" 2>&1 &
pids=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/tessivane-e2e" ] && break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/tessivane-e2e" ]; then
    echo "weston did not start:"
    cat "$work/weston.log"
    echo "e2e (wayland): 0 passed, 1 failed"
    exit 1
fi
export WAYLAND_DISPLAY=tessivane-e2e QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The session bus and the accessibility bus live only as long as the driver.
# (Their daemons complain on stderr that they may not raise their file limit.)
dbus-run-session -- /usr/bin/python3 "$here/wayland.py" "$@" "$work" 2> >(grep -v 'fd limit\|Activating service\|Successfully activated\|SpiRegistry daemon' >&2)
