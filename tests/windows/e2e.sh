#!/usr/bin/env bash
# The Windows program under Wine, on its own Xvfb with a window manager, driven
# as a user would: keys typed with xdotool, the report read back through the X
# clipboard (Wine bridges it), links caught by a stand-in xdg-open (Wine hands
# the shell's Open verb to it), the settings read from the registry.
# Usage: e2e.sh PROGRAM.exe SITE_BASE REPORT_PROBE.exe WINE_RUN
#
# Wine cannot show what Windows itself would: UI Automation (screen readers),
# real Windows fonts, and a topmost window shown without the focus.
set -uo pipefail

program=$1
site_base=$2
report_probe=$3
wine_run=$4
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

# A Wine prefix of its own, and a stand-in browser on the Unix PATH.
wine_user "$wine_run"

key='HKCU\Software\Quennic Softwares\tessivane\Settings'
stored() { "$wine_run" reg query "$key" /v LastUpdateOffer 2>/dev/null | tr -d '\r' | awk '/LastUpdateOffer/ {print $3}'; }

focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
keys() { xdotool key --delay 80 "$@" && sleep 0.5; }
typed() { xdotool type --delay 60 "$1" && sleep 0.3; }
paste() { printf '%s' "$1" | xclip -selection clipboard && sleep 0.2 && keys ctrl+a ctrl+v; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1 && sleep 0.6 && xdotool mousemove 1000 700; }
clipboard() { xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }
opened_last() { sleep 1.5 && tail -n 1 "$work/opened" 2>/dev/null; }
page() { printf '%s/tessivane/ssd.php?page=%s' "$site_base" "$1"; }
give_up() {
    echo "FAILED: $1 (giving up)"
    import -window root "$work/screen.png" 2>/dev/null && cp "$work/screen.png" "${TMPDIR:-/tmp}/tessivane-wine-failure.png"
    echo "e2e (wine): $passed passed, $((failed + 1)) failed"
    exit 1
}
start() { "$wine_run" "$program" >>"$work/app.log" 2>&1 & }

INPUT="^Tessivane  v${TESSIVANE_VERSION//./\\.}$"
xdotool mousemove 1000 700
start
app=$!
main=$(window "$INPUT") || give_up "the input window opens"
check "the first start shows the input window and no message" test -z "$(xdotool search --onlyvisible --name '^Tessivane$')"
check "the first start stores today in $key" equals "$(stored)" "$(date +%F)"

start
second=$!
message=$(window '^Tessivane$') || give_up "a second copy says \"Application is already running\""
check "a second copy shows its message" test -n "$message"
focus "$message"
keys Return
finished "$second" 10
check "the second copy ends with status 0" test $? -eq 0

focus "$main"
import -window "$main" "$work/empty.png" 2>/dev/null
typed mary
# The pixels a typed name changes in the window: its letters, where the box's
# face and the name are the design's light blue and white, but only the caret
# where a native face is drawn white under the name's white.
import -window "$main" "$work/named.png" 2>/dev/null
changed=$(compare -metric AE "$work/empty.png" "$work/named.png" null: 2>&1)
check "a typed name shows on the box ($changed pixels changed)" test "${changed%% *}" -gt 60 2>/dev/null
keys Tab Tab
typed watson
keys Tab Tab Tab Tab Return
result=$(window "$INPUT" "$main") || give_up "Next shows the result window"
hidden() { ! xdotool search --onlyvisible --name "$INPUT" | grep -qx "$1"; }
check "Next hides the input window and shows the result window" hidden "$main"
focus "$result"
keys Tab ctrl+a ctrl+c
check "the report copied with the keyboard is the engine's reading of MARY WATSON (small letters typed became capitals)" \
    equals "$(clipboard)" "$("$wine_run" "$report_probe" MARY '' WATSON 2>/dev/null | tr -d '\r')"

keys alt+b
main=$(window "$INPUT" "$result") || give_up "Back shows the input window"
focus "$main"
keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a ctrl+c
check "Back keeps the entries" equals "$(clipboard)" WATSON

# Every menu item and link that opens a page, with the exact address.
keys alt+h o
check "Help > Online Help opens its page" equals "$(opened_last)" "$(page help-web-page)"
keys alt+h v
check "Help > Visit Us Online opens the home page" equals "$(opened_last)" "$(page home-page)"
keys alt+h c
check "Help > Check for Software Update opens the download page" equals "$(opened_last)" "$(page download-web-page)"
keys alt+d
check "Donate opens its page" equals "$(opened_last)" "$(page donate)"
menu_bar=22 # the client area starts with the menu bar
click "$main" 100 $((menu_bar + 16))
check "the forum link opens the home page" equals "$(opened_last)" "$(page home-page)"
click "$main" 200 $((menu_bar + 196))
brand=$(opened_last)
check "the branding link opens its page" test "$brand" = "$(page co-brand)" -o "$brand" = "$(page fully-branded)"
focus "$main"
keys alt+h a
about=$(window "$INPUT" "$main") || give_up "Help > About Software shows the about window"
click "$about" 240 140
check "the about window's home page link opens it" equals "$(opened_last)" "$(page home-page)"
click "$about" 300 194
check "the about window's branding link opens its page" equals "$(opened_last)" "$(page fully-branded)"
focus "$about"
keys Return
check "OK closes the about window" hidden "$about"

focus "$main"
keys alt+f x
closing=$(window "^Tessivane v${TESSIVANE_VERSION//./\\.}$") || give_up "File > Exit shows the closing window"
check "File > Exit shows the closing window" test -n "$closing"
check "the input window is gone" gone "$INPUT"
click "$closing" 553 298
check "the closing window's link opens the other programs' page" equals "$(opened_last)" "$(page quennicsoftwares)"

# A referral whose boxes hold what an address must carry encoded.
name='Anne & Bob #1 é'
email='anne&bob#1@example.org'
friend='Zoë Ann'
friend_email='zoe@example.org'
text='Look: 100% & more #fun'
click "$closing" 60 243
paste "$name"
keys Tab Tab
paste "$email"
keys Tab
paste "$friend_email"
keys Tab
paste "$friend"
keys Tab
paste "$text"
keys alt+n
expected=$(python3 - "$(page telvo-refer-a-friend)" "$site_base/tessivane/" "$name" "$email" "$text" "$friend" \
    "$friend_email" <<'EOF'
import sys
from urllib.parse import quote
address, folder, *values = sys.argv[1:]
for number, value in enumerate(values + [folder], 1):
    address += "&taf%d=%s" % (number, quote(value, safe="-._~"))
print(address)
EOF
)
check "the referral arrives exactly" equals "$(opened_last)" "$expected"

focus "$closing"
keys alt+x
finished "$app" 10
check "Exit ends the program with status 0" test $? -eq 0

# A reminder left 20 days ago: the update question comes before the input window.
"$wine_run" reg add "$key" /v LastUpdateOffer /t REG_SZ /d "$(date -d '20 days ago' +%F)" /f >/dev/null 2>&1
start
app=$!
question=$(window '^Tessivane$') || give_up "a reminder 20 days old asks about updates"
check "a reminder 20 days old asks about updates before the input window" \
    test -z "$(xdotool search --onlyvisible --name "$INPUT")"
focus "$question"
keys Escape
main=$(window "$INPUT") || give_up "the input window follows the question"
check "the input window follows the question" test -n "$main"
focus "$main"
keys alt+f x
closing=$(window "^Tessivane v${TESSIVANE_VERSION//./\\.}$") && focus "$closing" && keys alt+x
finished "$app" 10
check "the program ends with status 0 again" test $? -eq 0

# A copy ended by force leaves nothing that keeps the next one out, also when
# Wine gives the next one the same process number, as it does to a program
# started alone.
wineserver -w
start
app=$!
window "$INPUT" >/dev/null || give_up "the program starts again"
"$wine_run" taskkill /F /IM "$(basename "$program")" >/dev/null 2>&1
finished "$app" 10
wineserver -w
start
app=$!
main=$(window "$INPUT") || give_up "a copy ended by force does not keep the next one out"
check "after a copy was ended by force the program starts again, without \"Application is already running\"" \
    test -z "$(xdotool search --onlyvisible --name '^Tessivane$')"
focus "$main"
keys alt+f x
closing=$(window "^Tessivane v${TESSIVANE_VERSION//./\\.}$") && focus "$closing" && keys alt+x
finished "$app" 10

# Wine's own warnings are not the program's: DPI awareness is not implemented.
grep -v -e 'SetProcessDpiAwarenessContext' -e 'EnableNonClientDpiScaling' "$work/app.log" >"$work/rest.log"
check "the program printed nothing else" test ! -s "$work/rest.log"
[ -s "$work/rest.log" ] && cat "$work/rest.log"
summary "e2e (wine)"
