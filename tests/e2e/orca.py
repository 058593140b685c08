"""Drives Tessivane by the keyboard alone under Orca and checks, step by step,
what Orca says: the journey a blind user takes through every window.

Usage: orca.py PROGRAM SITE_BASE WORKDIR, inside a D-Bus session, with DISPLAY
set to an X server that runs a window manager.
"""
import os
import re
import subprocess
import sys
import time

import checks
from checks import check, summary

program, site_base, work = sys.argv[1:4]
here = os.path.dirname(os.path.abspath(__file__))
version = os.environ["TESSIVANE_VERSION"]
log = os.path.join(work, "orca.log")
processes = []


def finish(code=None):
    for process in processes:
        if process.poll() is None:
            process.kill()
            process.wait()
    if code is not None:
        sys.exit(code)
    sys.exit(summary("orca"))


def print_program_output():
    print("--- the program's output:")
    print(open(os.path.join(work, "app.log")).read())


def said():
    """Everything Orca has said so far, one utterance an entry (key echo too)."""
    try:
        text = open(log, encoding="utf-8", errors="replace").read()
    except FileNotFoundError:
        return []
    # An utterance may go on over indented lines.
    spoken = re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", text, re.S)
    return [re.sub(r"\n\s*", " ", s) for s in spoken]


def settle():
    """Waits until Orca has been quiet for a moment."""
    count, quiet_since = len(said()), time.monotonic()
    while time.monotonic() - quiet_since < 0.5:
        time.sleep(0.1)
        if len(said()) != count:
            count, quiet_since = len(said()), time.monotonic()


def press(keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys.split()], check=False)


missed = 0


def hears(what, keys, *expected, since=None, seconds=15):
    """Presses keys (xdotool's names) and checks that Orca then says every
    expected text, in order, within seconds; with since, what it said from that
    utterance on (the count said() had then)."""
    if since is None:
        settle()
        start = len(said())
    else:
        start = since
    if keys:
        press(keys)
    end = time.monotonic() + seconds
    while True:
        heard = " | ".join(said()[start:])
        position, found = 0, True
        for text in expected:
            pattern = text if isinstance(text, re.Pattern) else re.compile(re.escape(text))
            match = pattern.search(heard, position)
            if not match:
                found = False
                break
            position = match.end()
        if found or time.monotonic() > end:
            break
        time.sleep(0.1)
    shown = [text.pattern if isinstance(text, re.Pattern) else text for text in expected]
    check(what, found, f"expected, in order: {shown}\nheard: {heard or '(nothing)'}")
    # Three steps in a row out of step: the rest would only wait and fail.
    global missed
    missed = 0 if found else missed + 1
    if missed == 3:
        print("giving up: three steps in a row did not hear what they expected")
        print_program_output()
        finish()


def button(name):
    """A push button as Orca 43 ("push button") and 48 ("button") call it."""
    return re.compile(re.escape(name) + " (push )?button")


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=False)


def start(*command, **kwargs):
    process = subprocess.Popen(command, **kwargs)
    processes.append(process)
    return process


def exit_status(process, seconds=5):
    try:
        return process.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        return "still running"


# The screen reader, ready before the program starts, as on a user's desktop.
screen_reader = start("/usr/bin/python3", os.path.join(here, "screen_reader.py"), log,
                      stdout=open(os.path.join(work, "orca.out"), "w"), stderr=subprocess.STDOUT)
for _ in range(300):
    if "Screen reader on." in said() or screen_reader.poll() is not None:
        break
    time.sleep(0.1)
if screen_reader.poll() is not None:
    output = open(os.path.join(work, "orca.out")).read()
    if "Another screen reader process is already running" in output:
        # Orca would have to end the user's own screen reader to run here.
        print("orca: skipped: another Orca runs for this user, and the test does not replace it")
        finish(77)
    print(output)
if not check("Orca starts", "Screen reader on." in said()):
    finish()

# The last update offer is old, so the program starts with its question.
store = os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(program) + ".conf")
with open(store, "w") as settings:
    settings.write("[Settings]\nLastUpdateOffer=2020-01-01\n")
app_log = open(os.path.join(work, "app.log"), "w")
main_title = f"Tessivane  v{version}"
mark = len(said())
app = start(program, stdout=app_log, stderr=subprocess.STDOUT)
hears("the update question is read with its buttons", None, "alert Tessivane",
      "There maybe an update to this software available Do you want to check for an update?", button("Yes"),
      since=mark)
hears("Tab reaches No", "Tab", button("No"))
hears("No answered: the input window and its first box", "Return", main_title, "First Name text")

settle()
mark = len(said())
second = start(program, stdout=app_log, stderr=subprocess.STDOUT)
hears("a second copy says so", None, "Application is already running", button("OK"), since=mark)
hears("its OK ends it and the first box is back", "Return", "First Name text")
check("the second copy ends with status 0", exit_status(second) == 0)

hears("Next with no name is refused aloud", "alt+n", "Please Enter Your First Name", button("OK"))
hears("the refusal's OK brings back the first box", "Return", "First Name text")
type_text("mary")
hears("Tab to the middle name", "Tab", "Middle Name text")
hears("Tab to the last name", "Tab", "Last Name text")
type_text("watson")

hears("the month list says what it holds and its entry", "Tab", "Month of birth combo box", "January")
hears("Down says the new month", "Down", "February")
hears("the day list says what it holds and its entry", "Tab", "Day of birth combo box", "1")
hears("End says the last day", "End", "31")
hears("Home says the first day", "Home", "1")
hears("the year list says what it holds and its entry", "Tab", "Year of birth combo box", "1900")
hears("a typed digit says the year it finds", "2", "2000")
hears("Shift+Tab back to the day keeps its entry", "shift+Tab", "Day of birth combo box", "1")
hears("Tab to Next", "Tab Tab", button("Next"))

hears("Next opens the result window on Back", "Return", main_title, button("Back"))
hears("Tab reaches the reading and its first line", "Tab", "Your reading read only text",
      "Your Plane of Expression is towards Emotional")
hears("Down reads on: a blank line", "Down", "blank")
hears("Down reads on", "Down", "Your Personal Expression:")
hears("Down reads the first plane", "Down", "Mental Ability 30 - Average")
hears("Tab reaches the forum link", "Tab", "discussion forum", "link")
opened = os.path.join(work, "opened")
press("Return")
settle()
home_page = f"{site_base}/tessivane/ssd.php?page=home-page"
check("the link opened the home page", os.path.exists(opened) and open(opened).read().splitlines()[-1:] == [home_page])
hears("Back returns to the input window", "alt+b", main_title)

hears("the Help menu opens", "alt+h", "Online Help")
hears("the about window is a dialog with its text", "a", f"{main_title} dialog",
      "Tessivane Software gives you an idea about your personality")
hears("Tab reaches the about window's first link", "Tab", "Visit us at", "link")
hears("Tab reaches its second link", "Tab", "link")
hears("Escape closes it", "Escape", main_title)

hears("the File menu opens on Next", "alt+f", "Next")
hears("Exit shows the closing window on its Exit button", "x", f"Tessivane v{version}", button("Exit"))
# Every stop of the closing window's Tab order, and the form's refusals on the way.
for what, keys, expected in [
    ("Tab: the check box drawn as a button", "Tab", ["Click Here To Visit", "check box"]),
    ("Tab: your name, empty", "Tab", ["Your name text"]),
    ("Tab: Refer A Friend Now", "Tab", [button("Refer A Friend Now")]),
    ("the form untouched is refused aloud", "Return", ["Please Enter Proper Email Address", button("OK")]),
    ("its OK brings back the button", "Return", [button("Refer A Friend Now")]),
    ("Tab: your address, empty", "Tab", ["Your email address text"]),
    ("a blank in an address is refused aloud", "space", ["Email Address Cannot Contain Space", button("OK")]),
    ("its OK brings back the box", "Return", ["Your email address text"]),
    ("Tab: your friend's address, empty", "Tab", ["Friend's email address text"]),
    ("Tab: your friend's name, empty", "Tab", ["Friend's name text"]),
    ("Tab: the message box", "Tab", ["Your message text"]),
    ("Tab: the link to the maker's software", "Tab", ["Click Here To Visit Quennic Softwares link"]),
    ("Tab: back to Exit", "Tab", [button("Exit")]),
]:
    hears(f"closing window: {what}", keys, *expected)
press("Return")
check("Exit ends the program with status 0", exit_status(app) == 0)

if checks.failed:
    print_program_output()
finish()
