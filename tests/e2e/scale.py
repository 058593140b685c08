"""The program at the size each desktop asks for through X11's Xft.dpi (GNOME's
Large Text and scaling, Xfce, MATE, Cinnamon): every window as much larger as a
whole, its picture the 96-dpi one enlarged, and never larger than the screen.

Usage: scale.py PROGRAM WORKDIR, with DISPLAY set to a 1280 x 800 screen.
"""
import os
import subprocess
import sys
from datetime import date

import journey
from journey import check
from x11 import Keyboard, output

SCREEN = (1280, 800)
DESIGNED = {"input": (427, 248), "closing": (741, 315)}
# The input window above its promotion labels, of which a random one is in front.
COMPARED = "427x190+0+0"


def difference(one, other):
    """How far two pictures of one size differ, 0 (alike) to 1, as ImageMagick measures it."""
    measured = subprocess.run(["compare", "-metric", "RMSE", one, other, "null:"], capture_output=True, text=True)
    try:
        return float(measured.stderr.split("(")[1].split(")")[0])
    except (IndexError, ValueError):
        return 1.0


class Scaled(Keyboard):
    def picture(self, window, name):
        path = os.path.join(self.work, name + ".png")
        output("import", "-window", self.ids[window], path)
        return path

    def input_as_designed(self, name):
        """The input window's picture at its 96-dpi size, without the promotions."""
        path = self.picture("input", name)
        output("convert", path, "-resize", "{}x{}!".format(*DESIGNED["input"]), "-crop", COMPARED, "+repage",
               path + ".compared.png")
        return path + ".compared.png"

    def at(self, dpi):
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {dpi}\n", text=True, check=True)
        factor = dpi / 96
        app = self.start()
        if not self.shows("input"):
            check(f"at {dpi} dpi the input window shows", False)
            return
        width, height = DESIGNED["input"]
        size = self.size("input")
        check(f"at {dpi} dpi the input window is {factor:g} times as large: {size}",
              abs(size[0] - width * factor) <= 1 and abs(size[1] - height * factor) <= 1)
        if dpi == 96:
            self.designed = self.input_as_designed("input-96")
        else:
            unlike = difference(self.designed, self.input_as_designed(f"input-{dpi}"))
            check(f"at {dpi} dpi the input window, made 96-dpi size again, looks as designed ({unlike:.3f})",
                  unlike < 0.06)
        self.do("File > Exit")
        if self.shows("closing"):
            size = self.size("closing")
            wanted = [round(side * factor) for side in DESIGNED["closing"]]
            fits = min(1, SCREEN[0] / wanted[0], SCREEN[1] / wanted[1])
            check(f"at {dpi} dpi the closing window is as large as fits the screen, whole: {size}",
                  size[0] <= SCREEN[0] and size[1] <= SCREEN[1] and abs(size[0] - wanted[0] * fits) <= 2
                  and abs(size[1] - wanted[1] * fits) <= 2)
            self.picture("closing", f"closing-{dpi}")
            self.do("Exit")
        check(f"at {dpi} dpi the program ends with status 0", self.ended(app) == 0)


if __name__ == "__main__":
    program, work = sys.argv[1:3]
    # Offered today already: no question before the input window.
    store = os.path.join(os.environ["XDG_CONFIG_HOME"], os.path.basename(program) + ".conf")
    with open(store, "w") as settings:
        settings.write(f"[Settings]\nLastUpdateOffer={date.today()}\n")
    driver = Scaled([program], "", work)
    try:
        for dpi in (96, 120, 144, 192):
            driver.at(dpi)
    finally:
        driver.finish()
    if os.environ.get("TESSIVANE_SCALE_PICTURES"):  # to look at by hand
        subprocess.run(["cp", "-r", work, os.environ["TESSIVANE_SCALE_PICTURES"]])
    sys.exit(journey.summary("e2e (scale)"))
