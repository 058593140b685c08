"""What a Windows screen reader is told, window by window, on the journey under
Wine: a UI Automation client (uia_reader) reads each window as Narrator, NVDA
or JAWS would, and hears the focus move while keys are pressed. Wine has no
Value pattern yet, so a last copy loads a stand-in for uiautomationcore.dll
beside the program (uia_recorder) that writes down the values Qt hands over:
the date lists' entries.

Usage: screen_reader.py PROGRAM.exe UIA_READER.exe UIA_RECORDER.dll REPORT_PROBE.exe WINE_RUN WORKDIR

Lines are "control type|name", with "|focusable" for what takes the focus.
"""
import os
import re
import shutil
import subprocess
import sys
import time

from e2e import WineKeys, output  # which puts the shared drivers on the path

import journey  # noqa: E402
from journey import TITLES, GiveUp, check, same  # noqa: E402

FORUM = "link|Join our free discussion forum: share your readings, ask questions and meet other users. " \
        "Click here to visit it!|focusable"
SITE = re.sub(r"^https?://", "", os.environ.get("TESSIVANE_SITE", "www.tessivane.example"))


class Reader(WineKeys):
    def __init__(self, program, uia_reader, uia_recorder, wine_run, work):
        super().__init__(program, "", wine_run, work)
        self.uia_reader, self.uia_recorder = uia_reader, uia_recorder

    def holds(self, what, window, *lines):
        """The foreground window reads as window, and holds every line."""
        tree = self.wine(self.uia_reader, "tree").replace("\t", "|").splitlines()
        top = "|".join(tree[0].split("|")[:2]) if tree else ""
        missing = [line for line in lines if "  " + line not in tree]
        check(what, top == "window|" + window and not missing,
              f"window read as: {top}\nmissing: {missing}\nread:\n" + "\n".join(tree))

    def heard(self, keys):
        """The focus changes a reader hears while keys are pressed, one a line."""
        path = os.path.join(self.work, "focus")
        with open(path, "w") as out:
            listener = subprocess.Popen([self.wine_run, self.uia_reader, "focus", str(len(keys.split()) * 7 // 10 + 4)],
                                        stdout=out, stderr=subprocess.DEVNULL)
            for _ in range(50):
                if "listening" in open(path).read():
                    break
                time.sleep(0.2)
            time.sleep(0.5)
            output("xdotool", "key", "--delay", "600", *keys.split())
            listener.wait()
        lines = open(path).read().replace("\r", "").replace("\t", "|").splitlines()
        return [line.removeprefix("focus: ") for line in lines if line.startswith("focus: ")]

    def at_opened(self):
        self.holds("the input window: its boxes, frames, lists, button and link by name and type", TITLES["input"],
                   "edit|First Name|focusable", "edit|Middle Name|focusable", "edit|Last Name|focusable",
                   "group|Please Fill In The Below Details:", "group|Date Of Birth", "combo box|Month of birth|focusable",
                   "combo box|Day of birth|focusable", "combo box|Year of birth|focusable", "button|Next|focusable",
                   FORUM, "menu item|File", "menu item|Help")
        self.round("the input window's Tab round, in its order, named", "Tab " * 9, 7, [
            "edit|Middle Name|focusable", "edit|Last Name|focusable", "combo box|Month of birth|focusable",
            "combo box|Day of birth|focusable", "combo box|Year of birth|focusable", "button|Next|focusable", FORUM,
            "edit|First Name|focusable"])

    def round(self, what, keys, promotion, expected):
        """A Tab round, which reaches the promotion in front (either one) at its place."""
        heard = self.heard(keys)
        link = heard.pop(promotion) if len(heard) > promotion else ""
        same(what, heard, expected)
        check(f"{what}: the promotion in front is a link ({link})",
              re.match(r"link\|(Co-brand this software|Home Business Opportunity)", link) is not None)

    def at_message(self):
        self.holds("a second copy's message reads its text and its button", "Tessivane",
                   "text|Application is already running", "button|OK|focusable")

    def at_answered(self):
        self.focus(self.ids["input"])
        self.keys("alt+n")
        if not self.shows("message"):
            raise GiveUp("Next with no name is refused")
        self.holds("a refusal reads its text and its button", "Tessivane", "text|Please Enter Your First Name",
                   "button|OK|focusable")
        self.keys("Return")

    def at_result(self):
        self.holds("the result window: the reading and its buttons", TITLES["result"], "edit|Your reading|focusable",
                   "button|Back|focusable")
        self.round("the result window's Tab round, from the reading", "Tab Tab Tab", 1,
                   [FORUM, "button|Back|focusable"])

    def at_back(self):
        self.keys("alt+h a")
        if not self.shows("about"):
            raise GiveUp("Help > About Software shows the about window")
        self.holds("the about window: its button and links", TITLES["about"], "button|OK|focusable",
                   "link|Click here for more details.|focusable")
        self.keys("Escape")
        self.shows("input")

    def at_closing(self):
        self.holds("the closing window: its frames by their own titles", TITLES["closing"], "group|Refer A Friend",
                   "group|Download Quennic Softwares")
        same("the closing window's every stop, in its order, named", self.heard("Tab " * 9), [
            f"check box|Click Here To Visit {SITE} Now|focusable", "edit|Your name|focusable",
            "button|Refer A Friend Now|focusable", "edit|Your email address|focusable",
            "edit|Friend's email address|focusable", "edit|Friend's name|focusable", "edit|Your message|focusable",
            "link|Click Here To Visit Quennic Softwares|focusable", "button|Exit|focusable"])

    def at_ended(self):
        app = self.reminded()
        self.holds("the update question reads its text and both buttons", "Tessivane", "button|Yes|focusable",
                   "button|No|focusable")
        self.keys("Escape")
        if not self.shows("input"):
            raise GiveUp("the input window follows the question")
        self.leave(app)

        print("screen reader (wine): values are read through the stand-in: "
              f"{output('wine', '--version').strip()} has no Value pattern")
        # The values Qt hands over: each date list gives its entry when it takes
        # the focus, and a new entry as the list's changed value, while the
        # reader stays on the list. The stand-in sits beside a copy of the
        # program, which finds its Qt through the build folder's.
        recorded = os.path.join(self.work, "recorded")
        os.mkdir(recorded)
        for file in (self.program, self.uia_recorder):
            shutil.copy(file, recorded)
        self.command = [self.wine_run, os.path.join(recorded, os.path.basename(self.program))]
        os.environ["WINEDLLOVERRIDES"] = "uiautomationcore=n"
        os.environ["TESSIVANE_UIA_LOG"] = "Z:" + os.path.join(self.work, "uia.log").replace("/", "\\")
        app = self.again()
        if not self.shows("input"):
            raise GiveUp("the input window opens with the stand-in")
        self.wine(self.uia_reader, "wake")
        self.keys("Tab Tab Tab Down Tab End Tab")
        time.sleep(1)
        log = open(os.path.join(self.work, "uia.log"), errors="replace").read().replace("\r", "").replace("\t", "|")
        same("the date lists give their entries, and a new entry as a changed value", log.splitlines(), [
            "focus: edit|Middle Name|value=", "focus: edit|Last Name|value=",
            "focus: combo box|Month of birth|value=January", "value changed: Month of birth|February",
            "focus: combo box|Day of birth|value=1", "value changed: Day of birth|31",
            "focus: combo box|Year of birth|value=1900"])
        self.leave(app)


if __name__ == "__main__":
    program, uia_reader, uia_recorder, report_probe, wine_run, work = sys.argv[1:7]
    expected = journey.reading(report_probe, "MARY", "", "WATSON", run=lambda command: [wine_run, *command])
    sys.exit(journey.take(Reader(program, uia_reader, uia_recorder, wine_run, work), "screen reader (wine)", expected))
