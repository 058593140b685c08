"""The journey by the keyboard alone under Orca, as a blind user takes it: each
step is checked by what Orca says, and every window's stops are heard.

Usage: orca.py PROGRAM SITE_BASE WORKDIR, inside a D-Bus session, with DISPLAY
set to an X server that runs a window manager.
"""
import os
import re
import subprocess
import sys
import time

import journey
from journey import TITLES, Driver, GiveUp, check

program, site_base, work = sys.argv[1:4]
here = os.path.dirname(os.path.abspath(__file__))
log = os.path.join(work, "orca.log")


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


def heard(keys, expected, since=None, seconds=15):
    """Presses keys (xdotool's names); whether Orca then says every expected
    text, in order, within seconds (from utterance since on, when given), and
    what it said."""
    if since is None:
        settle()
        since = len(said())
    if keys:
        press(keys)
    end = time.monotonic() + seconds
    while True:
        spoken = " | ".join(said()[since:])
        position = 0
        for text in expected:
            pattern = text if isinstance(text, re.Pattern) else re.compile(re.escape(text))
            match = pattern.search(spoken, position)
            if not match:
                break
            position = match.end()
        else:
            return True, spoken
        if time.monotonic() > end:
            return False, spoken
        time.sleep(0.1)


def after(keys, seconds=15):
    """What Orca says when keys are pressed, once it has begun and gone quiet."""
    settle()
    since = len(said())
    press(keys)
    end = time.monotonic() + seconds
    while len(said()) == since and time.monotonic() < end:
        time.sleep(0.1)
    settle()
    return said()[since:]


def button(name):
    """A push button as Orca 43 ("push button") and 48 ("button") call it."""
    return re.compile(re.escape(name) + " (push )?button")


INPUT, CLOSING = TITLES["input"], TITLES["closing"]
# What Orca says as each window comes.
UTTERED = {"input": [INPUT], "result": [INPUT, button("Back")], "closing": [CLOSING, button("Exit")],
           "message": ["Application is already running", button("OK")]}

# What Orca says at each stop of the journey: what for, the keys, what is heard in order.
STEPS = {
    "question": [("the update question is read with its buttons", None, "alert Tessivane",
                  "There maybe an update to this software available Do you want to check for an update?",
                  button("Yes")),
                 ("Tab reaches No", "Tab", button("No"))],
    "opened": [("the input window opens on its first box", None, "First Name text")],
    "answered": [("its OK brings back the first box", None, "First Name text"),
                 ("Next with no name is refused aloud", "alt+n", "Please Enter Your First Name", button("OK")),
                 ("the refusal's OK brings back the first box", "Return", "First Name text")],
    "names": [("Tab to the middle name", "Tab", "Middle Name text"), ("Tab to the last name", "Tab", "Last Name text")],
    "dates": [("the month list says what it holds and its entry", "Tab", "Month of birth combo box", "January"),
              ("Down says the new month", "Down", "February"),
              ("the day list says what it holds and its entry", "Tab", "Day of birth combo box", "1"),
              ("End says the last day", "End", "31"),
              ("Home says the first day", "Home", "1"),
              ("the year list says what it holds and its entry", "Tab", "Year of birth combo box", "1900"),
              ("a typed digit says the year it finds", "2", "2000"),
              ("Shift+Tab back to the day keeps its entry", "shift+Tab", "Day of birth combo box", "1"),
              ("Tab to Next", "Tab Tab", button("Next"))],
    "result": [("Tab reaches the forum link", "Tab", "discussion forum", "link")],
    "back": [("the Help menu opens", "alt+h", "Online Help"),
             ("the about window is a dialog with its text", "a", f"{INPUT} dialog",
              "Tessivane Software gives you an idea about your personality"),
             ("Tab reaches the about window's first link", "Tab", "Visit us at", "link"),
             ("Tab reaches its second link", "Tab", "link"),
             ("Escape closes it", "Escape", INPUT)],
    # Every stop of the closing window's Tab order, and the form's refusals on the way.
    "closing": [("closing window: Tab: the check box drawn as a button", "Tab", "Click Here To Visit", "check box"),
                ("closing window: Tab: your name, empty", "Tab", "Your name text"),
                ("closing window: Tab: Refer A Friend Now", "Tab", button("Refer A Friend Now")),
                ("closing window: the form untouched is refused aloud", "Return", "Please Enter Proper Email Address",
                 button("OK")),
                ("closing window: its OK brings back the button", "Return", button("Refer A Friend Now")),
                ("closing window: Tab: your address, empty", "Tab", "Your email address text"),
                ("closing window: a blank in an address is refused aloud", "space",
                 "Email Address Cannot Contain Space", button("OK")),
                ("closing window: its OK brings back the box", "Return", "Your email address text"),
                ("closing window: Tab: your friend's address, empty", "Tab", "Friend's email address text"),
                ("closing window: Tab: your friend's name, empty", "Tab", "Friend's name text"),
                ("closing window: Tab: the message box", "Tab", "Your message text"),
                ("closing window: Tab: the link to the maker's software", "Tab",
                 "Click Here To Visit Quennic Softwares link"),
                ("closing window: Tab: back to Exit", "Tab", button("Exit"))],
}


class Orca(Driver):
    reads_whole_report = False

    def __init__(self):
        super().__init__([program], work)
        self.mark, self.missed = 0, 0

    def hears(self, what, keys, *expected, since=None):
        found, spoken = heard(keys, expected, since)
        shown = [text.pattern if isinstance(text, re.Pattern) else text for text in expected]
        check(what, found, f"expected, in order: {shown}\nheard: {spoken or '(nothing)'}")
        # Three steps in a row out of step: the rest would only wait and fail.
        self.missed = 0 if found else self.missed + 1
        if self.missed == 3:
            raise GiveUp("three steps in a row did not hear what they expected")

    def start(self):
        settle()
        self.mark = len(said())
        process = super().start()
        if len(self.processes) == 1:  # its last update offer is old: the question comes first
            self.steps("question")
            self.mark = len(said())
            press("Return")
        return process

    def shows(self, window):
        return heard(None, UTTERED[window], self.mark)[0]

    def do(self, action):
        if action == "File > Exit":
            self.hears("the File menu opens on Next", "alt+f", "Next")
        settle()
        self.mark = len(said())
        press({"OK": "Return", "Next": "Return", "Back": "alt+b", "File > Exit": "x", "Exit": "Return"}[action])

    def fill(self, first, last):
        subprocess.run(["xdotool", "type", "--delay", "60", first], check=False)
        self.steps("names")
        subprocess.run(["xdotool", "type", "--delay", "60", last], check=False)
        self.steps("dates")

    def report(self):
        """The lines Orca reads: the first as Tab reaches the reading, then one a Down."""
        lines = []
        for keys in ("Tab", "Down", "Down", "Down"):
            spoken = after(keys)
            if keys == "Tab":
                check("Tab reaches the reading, read only text", "Your reading read only text" in " ".join(spoken),
                      f"heard: {spoken}")
            line = spoken[-1].strip().removesuffix(".") if spoken else None  # Orca 43 ends some with "."
            lines.append("" if line == "blank" else line)
        return lines

    def steps(self, stop):
        for what, keys, *expected in STEPS.get(stop, []):
            self.hears(what, keys, *expected, since=None if keys else self.mark)

    def extra(self, stop):
        self.steps(stop)
        if stop == "result":
            press("Return")
            settle()
            opened = os.path.join(work, "opened")
            home_page = f"{site_base}/tessivane/ssd.php?page=home-page"
            check("the forum link opens the home page",
                  os.path.exists(opened) and open(opened).read().splitlines()[-1:] == [home_page])


def stop(status):
    if screen_reader.poll() is None:
        screen_reader.kill()
        screen_reader.wait()
    sys.exit(status)


# The screen reader, ready before the program starts, as on a user's desktop.
screen_reader = subprocess.Popen(["/usr/bin/python3", os.path.join(here, "screen_reader.py"), log],
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
        stop(77)
    print(output)
if not check("Orca starts", "Screen reader on." in said()):
    stop(journey.summary("orca"))

# The last update offer is old, so the program starts with its question.
with open(os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(program) + ".conf"), "w") as settings:
    settings.write("[Settings]\nLastUpdateOffer=2020-01-01\n")
stop(journey.take(Orca(), "orca", None))
