# Sourced by scripts that need a private X server.
#
# start_xvfb WORKDIR [SIZE]: starts Xvfb on a free display (1024x768 unless SIZE), waits until it accepts
# clients, exports DISPLAY and sets xvfb to its pid.  The server's messages go
# to WORKDIR/xvfb.log.
# shown TITLE: a visible window's title matches (xdotool's --name), within 15 s.
#
# -noreset: by default the server resets whenever its last client disconnects,
# and a client that connects during that reset is dropped before its setup is
# answered ("could not connect to display").  A short-lived client such as
# xdotool, followed at once by the program, hits exactly that window.
start_xvfb() {
    local work=$1 size=${2:-1024x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=:$(cat "$work/display")
    unset WAYLAND_DISPLAY XAUTHORITY
}
shown() {
    for _ in $(seq 150); do
        [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}
