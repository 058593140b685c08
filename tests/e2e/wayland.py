"""Drives Tessivane through AT-SPI, as a screen reader user would.

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

import pyatspi
from checks import check, summary
from gi.repository import GLib

program, site_base, report_probe, work = sys.argv[1:5]


def give_up(what):
    check(what + " (giving up)", False)
    print("--- the program's output:")
    print(open(os.path.join(work, "app.log")).read())
    finish()


def finish():
    sys.exit(summary("e2e (wayland)"))


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


def window(pid, title, role=None):
    """The showing top-level window of process pid with this title."""
    app = application(pid)
    if app is None:
        return None
    for child in app:
        if child is not None and child.name == title and showing(child):
            if role is None or child.getRole() == role:
                return child
    return None


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


def start():
    return subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "app.log"), "a"))


def ended(process, seconds=5):
    try:
        return process.wait(seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        return "still running after 5 s: killed"


VERSION = os.environ["TESSIVANE_VERSION"]
INPUT, CLOSING = "Tessivane  v" + VERSION, "Tessivane v" + VERSION
app = start()
main = wait_for(lambda: window(app.pid, INPUT, pyatspi.ROLE_FRAME)) or give_up("the input window opens")
check("the input window opens as a frame", True)
forum = wait_for(lambda: pyatspi.findDescendant(main, lambda a: a.name.startswith("Join our free discussion forum")))
check("the first window's links are links to screen readers", forum is not None and forum.getRole() == pyatspi.ROLE_LINK,
      f"role: {forum.getRoleName() if forum else None}")

second = start()
alert = wait_for(lambda: window(second.pid, "Tessivane", pyatspi.ROLE_ALERT))
if not alert:
    second.kill()
    give_up("a second copy says so")
says = wait_for(lambda: descendant(alert, pyatspi.ROLE_LABEL, "Application is already running"))
check("a second copy says \"Application is already running\"", says is not None)
press(descendant(alert, pyatspi.ROLE_PUSH_BUTTON, "OK"))
check("the second copy ends with status 0", ended(second) == 0)
check("the first copy still runs", app.poll() is None)

main = window(app.pid, INPUT)
names = {n: descendant(main, pyatspi.ROLE_TEXT, n) for n in ("First Name", "Last Name")}
names["First Name"].queryEditableText().setTextContents("MARY")
names["Last Name"].queryEditableText().setTextContents("WATSON")
press(descendant(main, pyatspi.ROLE_PUSH_BUTTON, "Next"))
result = wait_for(lambda: window(app.pid, INPUT) if not showing(main) else None)
result or give_up("Next shows the result window")
check("Next hides the input window and shows the result window", result.getRole() == pyatspi.ROLE_FRAME)
expected = subprocess.run([report_probe, "MARY", "", "WATSON"], capture_output=True, text=True, check=True).stdout
shown = text(descendant(result, pyatspi.ROLE_TEXT, "Your reading"))
check("the report is the reading of MARY WATSON", shown == expected, f"expected: {expected!r}\nactual:   {shown!r}")
check("the report starts as it should", shown.startswith("Your Plane of Expression is towards Emotional\n"))

press(descendant(result, pyatspi.ROLE_PUSH_BUTTON, "Back"))
main = wait_for(lambda: window(app.pid, INPUT) if not showing(result) else None)
main or give_up("Back brings the input window back")
check("Back brings the input window back with the names", text(descendant(main, pyatspi.ROLE_TEXT, "Last Name")) == "WATSON")
check("Back leaves the closing window hidden", window(app.pid, CLOSING) is None)

file_menu = descendant(main, pyatspi.ROLE_MENU_ITEM, "File")
press(descendant(file_menu, pyatspi.ROLE_MENU_ITEM, "Exit"))
closing = wait_for(lambda: window(app.pid, CLOSING))
closing or give_up("File > Exit shows the closing window")
check("File > Exit shows the closing window as a frame", closing.getRole() == pyatspi.ROLE_FRAME)
check("the input window is gone", wait_for(lambda: window(app.pid, INPUT) is None) is True)
press(descendant(closing, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
check("Exit ends the program with status 0", ended(app) == 0)
# Emptying the clipboard without a seat is refused with a warning: headless only.
# Qt 6.8's bridge warns when the driver asks after a window that has just gone.
harmless = ("no wl_seats available", "qt.accessibility.atspi: Could not find accessible on path")
log = [line for line in open(os.path.join(work, "app.log")) if not any(text in line for text in harmless)]
check("the program printed nothing else", not log, "".join(log))
finish()
