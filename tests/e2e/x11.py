"""The journey on an X server, as a user at the keyboard takes it: keys typed
with xdotool, windows found by their titles, the report and the boxes read back
through the clipboard, links caught by the stand-in xdg-open.

Usage: x11.py PROGRAM SITE_BASE REPORT_PROBE WORKDIR, with DISPLAY set.
"""
import os
import re
import subprocess
import sys
import time
from datetime import date

import journey
from journey import TITLES, Driver, check, same


def output(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


class Keyboard(Driver):
    """Keys and windows on an X server: what the X11 and the Wine drivers share."""
    key_delay, type_delay, pause, seconds = "60", "40", 0.4, 10
    next_keys = "Tab Tab Tab Tab Return"  # from the last name through the date lists to Next, which Enter presses

    def __init__(self, command, site_base, work):
        super().__init__(command, work)
        self.program, self.site_base, self.ids = command[-1], site_base, {}
        self.mouse_away()

    def mouse_away(self):
        output("xdotool", "mousemove", "1000", "700")  # out of the way of every window

    def visible(self, pattern):
        return output("xdotool", "search", "--onlyvisible", "--name", pattern).split()

    def shows(self, window, seconds=None):
        """Waits until window is the program's one window on screen (a message
        or the about window may lie over the input window), and gives it the keyboard."""
        title = "^" + re.escape(TITLES[window]) + "$"
        before = {self.ids.get(w) for w in TITLES if w != window and TITLES[w] == TITLES[window]}
        end = time.monotonic() + (seconds or self.seconds)
        while time.monotonic() < end:
            ids = [id for id in self.visible(title) if id not in before]
            if len(ids) == 1 and (window in ("message", "about") or self.visible("^Tessivane") == ids):
                self.ids[window] = ids[0]
                self.focus(ids[0])
                return True
            time.sleep(0.1)
        return False

    def size(self, window):
        """The width and height of the window's inside, in the screen's pixels."""
        found = re.search(r"Geometry: (\d+)x(\d+)", output("xdotool", "getwindowgeometry", self.ids[window]))
        return tuple(map(int, found.groups())) if found else (0, 0)

    def focus(self, window):
        output("xdotool", "windowfocus", "--sync", window)
        time.sleep(0.2)

    def keys(self, keys):
        output("xdotool", "key", "--delay", self.key_delay, *keys.split())
        time.sleep(self.pause)

    def type(self, text):
        output("xdotool", "type", "--delay", self.type_delay, text)
        time.sleep(self.pause / 2)

    def clipboard(self):
        return output("xclip", "-o", "-selection", "clipboard").replace("\r", "")

    def do(self, action):
        self.keys({"OK": "Return", "Next": self.next_keys, "Back": "alt+b", "File > Exit": "alt+f x",
                   "Exit": "alt+x"}[action])

    def fill(self, first, last):
        self.focus(self.ids["input"])  # back from the message
        self.type(first)
        self.keys("Tab Tab")
        self.type(last)

    def report(self):
        # With the keyboard only, as a move of the mouse would empty the clipboard.
        self.keys("Tab ctrl+a ctrl+c")
        return self.clipboard()

    def last_name(self):
        self.keys("shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a ctrl+c")  # from Next
        return self.clipboard()

    def opened(self):
        """The last address the stand-in browser was given."""
        time.sleep(1.5)
        try:
            return open(os.path.join(self.work, "opened")).read().splitlines()[-1]
        except (FileNotFoundError, IndexError):
            return None

    def page(self, name):
        return f"{self.site_base}/tessivane/ssd.php?page={name}"


class X11(Keyboard):
    def at_opened(self):
        store = os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(self.program) + ".conf")
        check("the first run stores today as the last offer", f"LastUpdateOffer={date.today()}" in open(store).read())

    def at_result(self):
        # A selection dragged with the mouse would be the middle-click paste; it is emptied like the clipboard.
        self.first_report, window = self.clipboard(), self.ids["result"]
        output("xdotool", "mousemove", "--window", window, "30", "60", "mousedown", "1", "sleep", "0.2", "mousemove",
               "--window", window, "300", "140", "sleep", "0.2", "mouseup", "1", "sleep", "0.4")
        self.mouse_away()
        same("a selection dragged in the report is not left to paste", output("xclip", "-o", "-selection", "primary"), "")

    def at_back(self):
        self.keys("alt+n")
        self.shows("result")
        same("Next again shows the same single report", self.report(), self.first_report)
        self.do("Back")
        self.shows("input")
        self.keys("alt+h v")
        same("Visit Us Online opens the home page", self.opened(), self.page("home-page"))


if __name__ == "__main__":
    program, site_base, report_probe, work = sys.argv[1:5]
    sys.exit(journey.take(X11([program], site_base, work), "e2e", journey.reading(report_probe, "MARY", "", "WATSON")))
