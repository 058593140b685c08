# Sourced by scripts that find the program's windows on an X server with xdotool.
# Window titles are patterns (xdotool's --name). window_wait: how many tenths of
# a second window and shown wait (10 s unless the script sets more).
# window_class: only windows of that class (GNOME 48 draws each X11 window's
# frame as a window of its own, under the same title).
window_wait=${window_wait:-100}
window_class=${window_class:-}
search() {
    local id
    if [ -n "$window_class" ]; then
        for id in $(xdotool search --onlyvisible --class "$window_class" 2>/dev/null); do
            xdotool getwindowname "$id" 2>/dev/null | grep -qE -- "$1" && echo "$id"
        done
    else
        xdotool search --onlyvisible --name "$1" 2>/dev/null
    fi
}

# window TITLE [OTHER]: the one visible window whose title matches, other than
# the window OTHER (one that is on its way out), waiting for it.
window() {
    local ids
    for _ in $(seq "$window_wait"); do
        ids=$(search "$1" | grep -vx "${2:-none}")
        [ "$(printf '%s' "$ids" | grep -c .)" -eq 1 ] && { echo "$ids"; return 0; }
        sleep 0.1
    done
    return 1
}
# shown TITLE: some visible window's title matches, waiting for it.
shown() {
    for _ in $(seq "$window_wait"); do
        [ -n "$(search "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}
# gone TITLE: no visible window's title matches, within 5 s.
gone() {
    for _ in $(seq 50); do
        [ -z "$(search "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}
