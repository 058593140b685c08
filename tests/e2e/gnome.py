"""The journey on GNOME's compositor, through mutter's Xwayland, where mutter
draws the title bars: keys and clipboard as on X11, and what the desktop shows
looked at in screenshots of the Xvfb mutter runs in.

Usage: gnome.py PROGRAM SITE_BASE REPORT_PROBE WORKDIR, with DISPLAY set to
mutter's Xwayland and HOST_DISPLAY, WIDTH and HEIGHT to the Xvfb and its output.
"""
import os
import re
import subprocess
import sys
import time

import journey
from journey import TITLES, check, same
from x11 import Keyboard, output


def geometry(window):
    """The client area's top-left corner and size on the screen."""
    info = output("xwininfo", "-id", window)
    return [int(re.search(rf"{name}: *(-?\d+)", info).group(1))
            for name in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]


def centre(window):
    """The middle of the window with its frame."""
    x, y, width, height = geometry(window)
    left, right, top, bottom = map(int, output("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[1].split(","))
    return x + (width + right - left) // 2, y + (height + bottom - top) // 2


class Gnome(Keyboard):
    key_delay, pause, seconds = "80", 0.6, 15  # Xwayland starts on demand

    def visible(self, pattern):
        # GNOME 48 draws each X11 window's frame as a window of its own, under the same title.
        ids = output("xdotool", "search", "--onlyvisible", "--class", "tessivane").split()
        return [id for id in ids if re.search(pattern, output("xdotool", "getwindowname", id).strip())]

    def focus(self, window):
        output("xdotool", "windowactivate", "--sync", window)  # a window may open without the keyboard
        time.sleep(0.3)

    def black(self):
        """The black pixels on the desktop that the Xvfb shows."""
        shot = os.path.join(self.work, "desktop.png")
        size = f"{os.environ['WIDTH']}x{os.environ['HEIGHT']}+0+0"
        subprocess.run(["import", "-window", "root", "-crop", size, "+repage", shot],
                       env=dict(os.environ, DISPLAY=os.environ["HOST_DISPLAY"]), capture_output=True)
        return int(output("convert", shot, "-fill", "white", "+opaque", "black", "-fill", "black", "-opaque", "black",
                          "-format", "%[fx:int((1-mean)*w*h)]", "info:") or 10 ** 6)

    def at_opened(self):
        check("on GNOME the program is an X11 client of mutter's Xwayland, which draws its title bar", True)
        # Motif hints: decorations and functions without minimize (32 and 8) and maximize (64 and 16).
        _, functions, decorations, *_ = (int(hint, 0) for hint in output("xprop", "-id", self.ids["input"], "_MOTIF_WM_HINTS")
                                         .split("=")[1].replace(",", " ").split())
        check(f"the input window's title bar offers no minimize and no maximize (functions {functions}, "
              f"decorations {decorations})", not functions & 0x18 and not decorations & 0x60)
        self.place = geometry(self.ids["input"])[:2]

    def at_back(self):
        time.sleep(1)
        dark = self.black()
        check(f"after Back only the input window is on screen, no black window left by the closing window "
              f"({dark} black pixels)", dark < 2000)
        check("the closing window was never mapped on the way", not self.visible("^" + re.escape(TITLES["closing"])))
        same("after Back the input window is back where it was", geometry(self.ids["input"])[:2], self.place)
        self.keys("alt+h a")
        if not self.shows("about"):
            raise journey.GiveUp("Help > About Software shows the about window")
        same("the about window is centred on the input window", centre(self.ids["about"]), centre(self.ids["input"]))
        transient = output("xprop", "-id", self.ids["about"], "WM_TRANSIENT_FOR").split("# ")[-1].strip()
        same("the about window is known to mutter as the input window's child (WM_TRANSIENT_FOR)", transient,
             hex(int(self.ids["input"])))
        self.keys("Escape")
        self.shows("input")


if __name__ == "__main__":
    program, site_base, report_probe, work = sys.argv[1:5]
    expected = journey.reading(report_probe, "MARY", "", "WATSON")
    sys.exit(journey.take(Gnome([program], site_base, work), "e2e (gnome)", expected))
