"""The design's light blue yields to the desktop's colours while GNOME's high
contrast is on: at start-up, when it is switched on and off while the program
runs, and where only the program's own switch (TESSIVANE_CONTRAST) asks.

Usage: contrast.py PROGRAM WORKDIR, with DISPLAY and the session bus set, the
settings portal reachable on it.
"""
import os
import subprocess
import sys
import time
from datetime import date

import journey
from journey import check
from x11 import Keyboard, output

KEY = ["org.gnome.desktop.a11y.interface", "high-contrast"]
LIGHT_BLUE = "#7CA5E7"


def portal_says():
    """What the settings portal answers for GNOME's key, as the program asks it."""
    return output("gdbus", "call", "--session", "-d", "org.freedesktop.portal.Desktop", "-o",
                  "/org/freedesktop/portal/desktop", "-m", "org.freedesktop.portal.Settings.Read", *KEY).strip()


def high_contrast(on):
    subprocess.run(["gsettings", "set", *KEY, "true" if on else "false"], check=True)
    wanted = "true" if on else "false"
    for _ in range(50):
        if wanted in portal_says():
            return
        time.sleep(0.1)


class Contrast(Keyboard):
    def light_blue(self, window, name):
        """The share of the window's pixels in the design's light blue, 0 to 1."""
        path = os.path.join(self.work, name + ".png")
        output("import", "-window", self.ids[window], path)
        share = output("convert", path, "-fill", "black", "+opaque", LIGHT_BLUE, "-fill", "white", "-opaque",
                       LIGHT_BLUE, "-format", "%[fx:mean]", "info:")
        try:
            return float(share)
        except ValueError:
            return 1.0

    def settles(self, window, name, test):
        """Waits, up to 5 s, for the window's light blue to pass the test; its last share."""
        for _ in range(25):
            share = self.light_blue(window, name)
            if test(share):
                break
            time.sleep(0.2)
        return share

    def designed(self):
        """The design's share of light blue, high contrast off."""
        high_contrast(False)
        app = self.start()
        share = self.settles("input", "input-designed", lambda s: s > 0) if self.shows("input") else 0
        app.kill()
        app.wait()
        return share

    def journey(self, designed):
        high_contrast(True)
        app = self.start()
        if not check("the input window shows under high contrast", self.shows("input")):
            return
        share = self.settles("input", "input-high", lambda s: s == 0)
        check(f"started under high contrast: no light blue ({share:.3f})", share == 0)
        high_contrast(False)
        share = self.settles("input", "input-design", lambda s: abs(s - designed) < 0.005)
        check(f"high contrast off while open: the design's light blue is back ({share:.3f} of {designed:.3f})",
              designed > 0.3 and abs(share - designed) < 0.005)
        high_contrast(True)
        share = self.settles("input", "input-high-again", lambda s: s == 0)
        check(f"on again while open: no light blue ({share:.3f})", share == 0)
        self.do("File > Exit")
        if check("the closing window shows", self.shows("closing")):
            share = self.settles("closing", "closing-high", lambda s: s == 0)
            check(f"the closing window under high contrast: no light blue ({share:.3f})", share == 0)
            self.do("Exit")
        check("the program ends with status 0", self.ended(app) == 0)
        check("nothing printed", self.printed() == "", self.printed())

    def switch(self):
        """The program's own switch, with the desktop asking for nothing."""
        high_contrast(False)
        self.command = ["env", "TESSIVANE_CONTRAST=high", self.program]
        app = self.start()
        if check("the input window shows with TESSIVANE_CONTRAST=high", self.shows("input")):
            share = self.settles("input", "input-switch", lambda s: s == 0)
            check(f"TESSIVANE_CONTRAST=high: no light blue ({share:.3f})", share == 0)
        app.kill()
        app.wait()


if __name__ == "__main__":
    program, work = sys.argv[1:3]
    store = os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(program) + ".conf")
    with open(store, "w") as settings:
        settings.write(f"[Settings]\nLastUpdateOffer={date.today()}\n")
    driver = Contrast([program], "", work)
    try:
        driver.journey(driver.designed())
        driver.switch()
    finally:
        driver.finish()
    if os.environ.get("TESSIVANE_CONTRAST_PICTURES"):  # to look at by hand
        subprocess.run(["cp", "-r", work, os.environ["TESSIVANE_CONTRAST_PICTURES"]])
    sys.exit(journey.summary("e2e (contrast)"))
