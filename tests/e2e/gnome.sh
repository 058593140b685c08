#!/usr/bin/env bash
# The program on GNOME's compositor: mutter nested in a private Xvfb, with a
# GNOME session's environment, where the program runs through mutter's
# Xwayland and mutter draws its title bars; driven with xdotool on that
# Xwayland, looked at in screenshots of the Xvfb. Usage: gnome.sh PROGRAM
set -uo pipefail

program=$1
version=${TESSIVANE_VERSION:?}
version=${version//./\\.}
here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${app:-} ${mutter:-} ${bus:-} ${xvfb:-}; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

source "$here/../../scripts/lib/xvfb.sh"
source "$here/../../scripts/lib/session.sh"
source "$here/../../scripts/lib/check.sh"
source "$here/../../scripts/lib/xwindows.sh"
start_xvfb "$work" || exit 1
private_user "$work"
host=$DISPLAY
give_up() {
    echo "FAILED: $1 (giving up)"
    echo "--- mutter:" && tail -n 20 "$work/mutter.log"
    echo "--- the program:" && cat "$work/app.log"
    echo "e2e (gnome): $passed passed, $((failed + 1)) failed"
    exit 1
}

dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork --nopidfile 2>/dev/null &
bus=$!
export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
# The output fits the Xvfb, so that a screenshot of it holds the whole desktop.
width=1000 height=700
sockets=$(ls /tmp/.X11-unix 2>/dev/null)
MUTTER_DEBUG_DUMMY_MODE_SPECS=${width}x$height mutter --nested --wayland --wayland-display=tessivane-gnome \
    >"$work/mutter.log" 2>&1 &
mutter=$!
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
window_wait=150 # Xwayland starts on demand
window_class=tessivane

keys() { xdotool key --delay 80 "$@" && sleep 0.6; }
# black: the black pixels on the desktop that the Xvfb shows.
black() {
    DISPLAY=$host import -window root -crop "${width}x$height+0+0" +repage "$work/desktop.png" 2>/dev/null
    convert "$work/desktop.png" -fill white +opaque black -fill black -opaque black -format '%[fx:int((1-mean)*w*h)]' info:
}
INPUT="^Tessivane  v$version$"

"$program" >"$work/app.log" 2>&1 &
app=$!
main=$(window "$INPUT") || give_up "the input window opens as an X11 window on mutter's Xwayland"
check "on GNOME the program is an X11 client of mutter's Xwayland, which draws its title bar" test -n "$main"
# Motif hints: decorations and functions without minimize (32 and 8) and maximize (64 and 16).
read -r _ functions decorations _ < <(xprop -id "$main" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
check "the input window's title bar offers no minimize and no maximize (functions $functions, decorations $decorations)" \
    test $((functions & 0x18)) -eq 0 -a $((decorations & 0x60)) -eq 0

# place WINDOW: its client area's top-left corner on the screen.
place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left [XY]: *//p' | paste -sd,; }
before=$(place "$main")
xdotool type --delay 60 mary && keys Tab Tab && xdotool type --delay 60 watson && keys alt+n
result=$(window "$INPUT" "$main") || give_up "Next shows the result window"
keys alt+b
main=$(window "$INPUT" "$result") || give_up "Back shows the input window"
sleep 1
dark=$(black)
check "after Back only the input window is on screen, no black window left by the closing window ($dark black pixels)" \
    test "$dark" -lt 2000
check "the closing window was never mapped on the way" test -z "$(search "^Tessivane v$version$")"
check "after Back the input window is back where it was ($before, now $(place "$main"))" equals "$(place "$main")" "$before"

# centre WINDOW: the middle of the window with its frame.
centre() {
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | sed -n 's/.*\(Absolute upper-left [XY]\|Width\|Height\): *//p' | paste -sd' ')
    IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((x + (w + r - l) / 2)),$((y + (h + b - t) / 2))"
}
keys alt+h a
about=$(window "$INPUT" "$main") || give_up "Help > About Software shows the about window"
check "the about window is centred on the input window" equals "$(centre "$about")" "$(centre "$main")"
check "the about window is known to mutter as the input window's child (WM_TRANSIENT_FOR)" \
    equals "$(xprop -id "$about" WM_TRANSIENT_FOR | sed 's/.*# //')" "$(printf '0x%x' "$main")"
keys Escape
keys alt+f x
closing=$(window "^Tessivane v$version$") || give_up "File > Exit shows the closing window"
xdotool windowactivate "$closing" && sleep 0.5 # it opens without taking the keyboard
keys alt+x
finished "$app" 10
check "Exit ends the program with status 0" test $? -eq 0
summary "e2e (gnome)"
