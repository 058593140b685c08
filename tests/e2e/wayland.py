"""The journey on Wayland, through AT-SPI, as a screen reader user takes it:
buttons and menu items pressed by their actions, names set and the report read
through the accessibility tree, windows known by their roles and titles.

Usage: wayland.py PROGRAM SITE_BASE REPORT_PROBE WORKDIR, inside a D-Bus session
whose accessibility bus the program joins (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).

Not checked here: that the report box empties the clipboard.  A headless
compositor has no seat, and without one no client may own the clipboard, so
there is nothing there to empty; the X11 leg checks it.
"""
import os
import subprocess
import sys
import time

import journey
import pyatspi
from checks import check
from gi.repository import GLib
from journey import TITLES

program, site_base, report_probe, work = sys.argv[1:5]


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(find, seconds=10):
    """The first non-empty answer of find(), asked again until it comes or time runs out."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump()
        try:
            found = find()
        except Exception:  # an object that went away while it was being read
            found = None
        if found:
            return found
        time.sleep(0.1)
    return None


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            app.clear_cache()
            return app
    return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def still_showing(accessible):
    try:
        return showing(accessible)
    except Exception:  # gone
        return False


def descendant(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRole() == role and a.name == name)


def press(accessible):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    raise RuntimeError(f"{accessible.name} cannot be pressed")


def text(accessible):
    content = accessible.queryText()
    return content.getText(0, content.characterCount)


class AtSpi:
    """Takes the journey's steps with AT-SPI actions and reads the accessibility tree."""
    reads_whole_report = True

    def __init__(self):
        self.log = open(os.path.join(work, "app.log"), "a")
        self.processes, self.shown = [], {}

    def start(self):
        process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=self.log)
        self.processes.append(process)
        return process

    def shows(self, which):
        """Waits until which is the program's one showing window (the message: the second copy's)."""
        pid = self.processes[-1 if which == "message" else 0].pid
        role = pyatspi.ROLE_ALERT if which == "message" else pyatspi.ROLE_FRAME

        others = [self.shown[w] for w in self.shown if w != which and TITLES[w] == TITLES[which]]

        def alone():
            if any(still_showing(other) for other in others):
                return None
            windows = [w for w in application(pid) or [] if w is not None and showing(w)]
            found = [w for w in windows if w.name == TITLES[which] and w.getRole() == role]
            return found[0] if len(found) == 1 and (which == "message" or windows == found) else None
        self.shown[which] = wait_for(alone)
        return self.shown[which] is not None

    def do(self, action):
        window = self.shown["message" if action == "OK" else "closing" if action == "Exit" else "input"]
        if action == "File > Exit":
            press(descendant(descendant(window, pyatspi.ROLE_MENU_ITEM, "File"), pyatspi.ROLE_MENU_ITEM, "Exit"))
        else:
            press(descendant(self.shown["result"] if action == "Back" else window, pyatspi.ROLE_PUSH_BUTTON, action))

    def fill(self, first, last):
        # Set as a paste would be, the names must already be what typing gives: capitals.
        for box, name in (("First Name", first), ("Last Name", last)):
            descendant(self.shown["input"], pyatspi.ROLE_TEXT, box).queryEditableText().setTextContents(name.upper())

    def report(self):
        return text(descendant(self.shown["result"], pyatspi.ROLE_TEXT, "Your reading"))

    def last_name(self):
        return text(descendant(self.shown["input"], pyatspi.ROLE_TEXT, "Last Name"))

    def ended(self, process, seconds=5):
        try:
            return process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            return "still running after 5 s: killed"

    def extra(self, stop):
        if stop == "opened":
            forum = wait_for(lambda: pyatspi.findDescendant(
                self.shown["input"], lambda a: a.name.startswith("Join our free discussion forum")))
            check("the first window's links are links to screen readers",
                  forum is not None and forum.getRole() == pyatspi.ROLE_LINK,
                  f"role: {forum.getRoleName() if forum else None}")
        elif stop == "message":
            check("the message says \"Application is already running\"",
                  wait_for(lambda: descendant(self.shown["message"], pyatspi.ROLE_LABEL,
                                              "Application is already running")) is not None)
        elif stop == "ended":
            # Emptying the clipboard without a seat is refused with a warning: headless only.
            # Qt 6.8's bridge warns when the driver asks after a window that has just gone.
            harmless = ("no wl_seats available", "qt.accessibility.atspi: Could not find accessible on path")
            log = [line for line in open(os.path.join(work, "app.log")) if not any(t in line for t in harmless)]
            check("the program printed nothing else", not log, "".join(log))

    def tell(self):
        print("--- the program's output:\n" + open(os.path.join(work, "app.log")).read())

    def finish(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()


expected = journey.reading(report_probe, "MARY", "", "WATSON")
sys.exit(journey.take(AtSpi(), "e2e (wayland)", expected))
