#!/usr/bin/env bash
# Drives the real program on its own Xvfb server as a user would: keys typed
# with xdotool, the report read back through the clipboard, links caught by a
# stand-in xdg-open.  Usage: e2e.sh PROGRAM SITE_BASE REPORT_PROBE
set -uo pipefail

program=$1
site_base=$2
report_probe=$3
# The version CTest passes on, as a pattern for the windows' titles.
version=${TESSIVANE_VERSION:?}
version=${version//./\\.}
work=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${app:-} ${second:-} ${xvfb:-}; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xvfb.sh"
start_xvfb "$work" || exit 1

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/session.sh"
private_user "$work"

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/check.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xwindows.sh"
focus() { xdotool windowfocus --sync "$1" && sleep 0.2; }
keys() { xdotool key --delay 60 "$@" && sleep 0.4; }
typed() { xdotool type --delay 40 "$1" && sleep 0.2; }
clipboard() { xclip -o -selection clipboard 2>/dev/null; }
report() { # FILE WINDOW: copies the report with the keyboard only, as mouse moves would empty the clipboard
    focus "$2"
    keys Tab ctrl+a ctrl+c
    clipboard >"$1"
}
# What went wrong, for a step the rest cannot do without; then stop at once
# rather than let every later step wait for windows that will never come.
give_up() {
    echo "FAILED: $1 (giving up)"
    echo "--- Xvfb $(kill -0 "$xvfb" 2>/dev/null && echo running || echo "not running"); its log:"
    cat "$work/xvfb.log"
    echo "--- the program's output:"
    cat "$work/app.log"
    echo "e2e: $passed passed, $((failed + 1)) failed"
    exit 1
}
alive() { kill -0 "$1" 2>/dev/null; }

xdotool mousemove 1000 700 # out of the way of every window
"$program" 2>>"$work/app.log" &
app=$!
main=$(window "^Tessivane  v$version\$") || give_up "the input window opens"
check "the input window opens" test -n "$main"
check "first run stores today as the last offer" grep -q "LastUpdateOffer=$(date +%F)" "$XDG_CONFIG_HOME/$(basename "$program").conf"

"$program" 2>>"$work/app.log" &
second=$!
message=$(window '^Tessivane$') || { kill "$second"; give_up "a second copy says so"; }
check "a second copy says so" test -n "$message"
focus "$message"
keys Return
finished "$second"
check "the second copy ends with status 0" test $? -eq 0
second=
check "the first copy still runs" alive "$app"

focus "$main"
typed mary
keys Tab Tab
typed watson
keys Tab Tab Tab Tab Return # through the date lists to Next, which Enter presses
result=$(window "^Tessivane  v$version\$" "$main") || give_up "Next shows the result window"
check "Enter on Next hides the input window and shows the result window" test -n "$result" -a "$result" != "$main"
check "only the result window is on screen" equals "$(xdotool search --onlyvisible --name 'Tessivane' | wc -l)" 1
report "$work/first" "$result"
expected_head=$'Your Plane of Expression is towards Emotional\n\nYour Personal Expression: \nMental Ability 30 - Average \nPhysical Ability 20 - Average \nEmotional Ability 40 - Strong \nIntuitive Ability 10 - Weak'
check "the report starts with the reading of MARY WATSON" equals "$(head -n 7 "$work/first")" "$expected_head"
check "the report is exactly the reading of MARY WATSON" equals "$(cat "$work/first")" "$("$report_probe" MARY '' WATSON)"
# A selection dragged with the mouse would be the middle-click paste; it is emptied like the clipboard.
xdotool mousemove --window "$result" 30 60 mousedown 1 sleep 0.2 mousemove --window "$result" 300 140 sleep 0.2 \
    mouseup 1 sleep 0.4 mousemove 1000 700
check "a selection dragged in the report is not left to paste" equals "$(xclip -o -selection primary 2>/dev/null)" ""

keys alt+b
main=$(window "^Tessivane  v$version\$" "$result")
check "Back brings the input window back" test -n "$main"
focus "$main"
keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a ctrl+c # from Next back to the last name
check "Back keeps the typed name" equals "$(clipboard)" WATSON
keys alt+n
result=$(window "^Tessivane  v$version\$" "$main")
report "$work/second" "$result"
check "Next again shows the same single report" cmp -s "$work/first" "$work/second"
keys alt+b

focus "$(window "^Tessivane  v$version\$" "$result")"
keys alt+h v
sleep 0.5
check "Visit Us Online opens the home page" equals "$(cat "$work/opened" 2>/dev/null)" "$site_base/tessivane/ssd.php?page=home-page"

keys alt+f x
closing=$(window "^Tessivane v$version\$")
check "leaving shows the closing window" test -n "$closing"
check "the input window is gone" gone "^Tessivane  v$version\$"
focus "$closing"
keys alt+x
finished "$app"
check "Exit ends the program with status 0" test $? -eq 0
app=

if [ "$failed" -ne 0 ] && [ -s "$work/app.log" ]; then
    echo "--- the program's output:"
    cat "$work/app.log"
fi
summary e2e
