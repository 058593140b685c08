"""The journey on Wayland, through AT-SPI, as a screen reader user takes it:
buttons and menu items pressed by their actions, names set and the report read
through the accessibility tree, windows known by their roles and titles.

Usage: wayland.py PROGRAM SITE_BASE REPORT_PROBE WORKDIR, inside a D-Bus session
whose accessibility bus the program joins (QT_LINUX_ACCESSIBILITY_ALWAYS_ON).

Not checked here: that the report box empties the clipboard.  A headless
compositor has no seat, and without one no client may own the clipboard, so
there is nothing there to empty; the X11 leg checks it.
"""
import sys
import time

import journey
import pyatspi
from gi.repository import GLib
from journey import TITLES, Driver, check

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


class AtSpi(Driver):
    """Takes the journey's steps with AT-SPI actions and reads the accessibility tree."""

    def __init__(self):
        super().__init__([program], work)
        self.shown = {}

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

    def at_opened(self):
        forum = wait_for(lambda: pyatspi.findDescendant(
            self.shown["input"], lambda a: a.name.startswith("Join our free discussion forum")))
        check("the first window's links are links to screen readers",
              forum is not None and forum.getRole() == pyatspi.ROLE_LINK, f"role: {forum and forum.getRoleName()}")

    def at_message(self):
        says = wait_for(lambda: descendant(self.shown["message"], pyatspi.ROLE_LABEL, "Application is already running"))
        check("the message says \"Application is already running\"", says is not None)

    def at_ended(self):
        # Emptying the clipboard without a seat is refused with a warning: headless only.
        # Qt 6.8's bridge warns when the driver asks after a window that has just gone.
        harmless = ("no wl_seats available", "qt.accessibility.atspi: Could not find accessible on path")
        log = [line for line in self.printed().splitlines(True) if not any(t in line for t in harmless)]
        check("the program printed nothing else", not log, "".join(log))


expected = journey.reading(report_probe, "MARY", "", "WATSON")
sys.exit(journey.take(AtSpi(), "e2e (wayland)", expected))
