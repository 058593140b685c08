#!/usr/bin/env bash
# What a Windows screen reader is told of every window and message, under Wine
# on its own Xvfb with a window manager: a UI Automation client (uia_reader)
# reads each window as Narrator, NVDA or JAWS would, and hears the focus move
# while keys are pressed. Wine has no Value pattern yet, so a second run loads
# a stand-in for uiautomationcore.dll beside the program (uia_recorder) that
# writes down the values Qt hands over: the date lists' entries.
# Usage: screen_reader.sh PROGRAM.exe UIA_READER.exe UIA_RECORDER.dll WINE_RUN
#
# Lines are "control type|name", with "|focusable" for what takes the focus.
set -uo pipefail

program=$1
uia_reader=$2
uia_recorder=$3
wine_run=$4
source "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"

wine_user "$wine_run"
"$wine_run" "$uia_reader" tree >/dev/null 2>&1
if [ $? -eq 3 ]; then
    # Wine 8 (Debian 12) has no UI Automation client.
    echo "screen reader (wine): skipped: this Wine ($(wine --version)) has no UI Automation client"
    exit 77
fi

INPUT="^Tessivane  v${TESSIVANE_VERSION//./\\.}$"
CLOSING="^Tessivane v${TESSIVANE_VERSION//./\\.}$"
version_title="Tessivane  v$TESSIVANE_VERSION"
key='HKCU\Software\Quennic Softwares\tessivane\Settings'

focus() { xdotool windowactivate "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 1; }
keys() { xdotool key --delay 100 "$@" && sleep 0.6; }
start() { "$wine_run" "$program" >>"$work/app.log" 2>&1 & }
reader() { "$wine_run" "$uia_reader" "$@" 2>/dev/null | tr -d '\r' | tr '\t' '|'; }
give_up() {
    echo "FAILED: $1 (giving up)"
    summary "screen reader (wine)"
    exit 1
}

# holds WINDOW LINE...: the foreground window reads as WINDOW and holds every line.
holds() {
    local tree line
    tree=$(reader tree)
    [ "$(head -n 1 <<<"$tree" | cut -d'|' -f1-2)" = "$1" ] || { printf 'window read as: %s\n' "$(head -n 1 <<<"$tree")"; return 1; }
    shift
    for line; do
        grep -qxF -- "  $line" <<<"$tree" || { printf 'missing: %s\nread:\n%s\n' "$line" "$tree"; return 1; }
    done
}
# heard KEY...: the focus changes a reader hears while the keys are pressed, one a line.
heard() {
    "$wine_run" "$uia_reader" focus $(($# * 7 / 10 + 4)) >"$work/focus" 2>/dev/null &
    local listener=$!
    for _ in $(seq 50); do grep -q listening "$work/focus" && break; sleep 0.2; done
    sleep 0.5
    xdotool key --delay 600 "$@"
    wait "$listener"
    tr -d '\r' <"$work/focus" | tr '\t' '|' | sed -n 's/^focus: //p'
}
# hears EXPECTED KEY...: what heard gives, line for line.
hears() {
    local expected=$1
    shift
    equals "$(heard "$@")" "$expected"
}

start
app=$!
main=$(window "$INPUT") || give_up "the input window opens"
focus "$main"
check "the input window: its boxes, frames, lists, button and link by name and type" holds "window|$version_title" \
    "edit|First Name|focusable" "edit|Middle Name|focusable" "edit|Last Name|focusable" \
    "group|Please Fill In The Below Details:" "group|Date Of Birth" \
    "combo box|Month of birth|focusable" "combo box|Day of birth|focusable" "combo box|Year of birth|focusable" \
    "button|Next|focusable" \
    "link|Join our free discussion forum: share your readings, ask questions and meet other users. Click here to visit it!|focusable" \
    "menu item|File" "menu item|Help"
round=$(heard Tab Tab Tab Tab Tab Tab Tab Tab Tab)
promotion=$(sed -n 8p <<<"$round")
check "the input window's Tab round, in its order, named" equals "$(sed 8d <<<"$round")" "edit|Middle Name|focusable
edit|Last Name|focusable
combo box|Month of birth|focusable
combo box|Day of birth|focusable
combo box|Year of birth|focusable
button|Next|focusable
link|Join our free discussion forum: share your readings, ask questions and meet other users. Click here to visit it!|focusable
edit|First Name|focusable"
check "the promotion in front is the link the Tab round reaches ($promotion)" \
    grep -qE '^link\|(Co-brand this software|Home Business Opportunity)' <<<"$promotion"

# A refusal: Next with no name.
keys alt+n
message=$(window '^Tessivane$') || give_up "Next with no name is refused"
focus "$message"
check "a refusal reads its text and its button" holds "window|Tessivane" "text|Please Enter Your First Name" \
    "button|OK|focusable"
keys Return
focus "$main"

xdotool type --delay 60 mary && keys Tab Tab && xdotool type --delay 60 watson && keys alt+n
result=$(window "$INPUT" "$main") || give_up "Next shows the result window"
focus "$result"
check "the result window: the reading and its buttons" holds "window|$version_title" "edit|Your reading|focusable" \
    "button|Back|focusable"
check "the result window's Tab round" hears "edit|Your reading|focusable
link|Join our free discussion forum: share your readings, ask questions and meet other users. Click here to visit it!|focusable" \
    Tab Tab

keys alt+b
main=$(window "$INPUT" "$result") || give_up "Back shows the input window"
focus "$main"
keys alt+h a
about=$(window "$INPUT" "$main") || give_up "Help > About Software shows the about window"
focus "$about"
check "the about window: its button and links" holds "window|$version_title" "button|OK|focusable" \
    "link|Click here for more details.|focusable"
keys Escape
focus "$main"

keys alt+f x
closing=$(window "$CLOSING") || give_up "File > Exit shows the closing window"
focus "$closing"
check "the closing window: its frames by their own titles" holds "window|Tessivane v$TESSIVANE_VERSION" \
    "group|Refer A Friend" "group|Download Quennic Softwares"
check "the closing window's every stop, in its order, named" hears "check box|Click Here To Visit $(
    sed -E 's#^https?://##' <<<"${TESSIVANE_SITE:-www.tessivane.example}") Now|focusable
edit|Your name|focusable
button|Refer A Friend Now|focusable
edit|Your email address|focusable
edit|Friend's email address|focusable
edit|Friend's name|focusable
edit|Your message|focusable
link|Click Here To Visit Quennic Softwares|focusable
button|Exit|focusable" Tab Tab Tab Tab Tab Tab Tab Tab Tab

# The second copy's message, while this one runs.
start
second=$!
message=$(window '^Tessivane$') || give_up "a second copy says so"
focus "$message"
check "a second copy's message reads its text and its button" holds "window|Tessivane" \
    "text|Application is already running" "button|OK|focusable"
keys Return
finished "$second" 10
focus "$closing"
keys alt+x
finished "$app" 10

# The update question, before any window.
"$wine_run" reg add "$key" /v LastUpdateOffer /t REG_SZ /d "$(date -d '20 days ago' +%F)" /f >/dev/null 2>&1
start
app=$!
question=$(window '^Tessivane$') || give_up "a reminder 20 days old asks about updates"
focus "$question"
check "the update question reads its text and both buttons" holds "window|Tessivane" "button|Yes|focusable" \
    "button|No|focusable"
keys Escape
main=$(window "$INPUT") || give_up "the input window follows the question"

echo "screen reader (wine): values are read through the stand-in: $(wine --version) has no Value pattern"
# The values Qt hands over, through the stand-in: each date list gives its entry
# when it takes the focus, and a new entry as the list's changed value, while
# the reader stays on the list.
focus "$main"
keys alt+f x
closing=$(window "$CLOSING") && focus "$closing" && keys alt+x
finished "$app" 10
export TESSIVANE_UIA_LOG
TESSIVANE_UIA_LOG="Z:$(tr / '\\' <<<"$work")\\uia.log"
# Beside a copy of the program, which finds its Qt through the build folder's.
mkdir "$work/recorded"
cp "$program" "$uia_recorder" "$work/recorded/"
program=$work/recorded/$(basename "$program")
WINEDLLOVERRIDES=uiautomationcore=n start
app=$!
main=$(window "$INPUT") || give_up "the input window opens with the stand-in"
focus "$main"
"$wine_run" "$uia_reader" wake >/dev/null 2>&1
keys Tab Tab Tab Down Tab End Tab
sleep 1
check "the date lists give their entries, and a new entry as a changed value" equals \
    "$(tr -d '\r' <"$work/uia.log" 2>/dev/null | tr '\t' '|')" "focus: edit|Middle Name|value=
focus: edit|Last Name|value=
focus: combo box|Month of birth|value=January
value changed: Month of birth|February
focus: combo box|Day of birth|value=1
value changed: Day of birth|31
focus: combo box|Year of birth|value=1900"
keys alt+f x
closing=$(window "$CLOSING") && focus "$closing" && keys alt+x
finished "$app" 10

summary "screen reader (wine)"
