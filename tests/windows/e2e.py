"""The journey with the Windows program under Wine, on an X server with a window
manager: keys and windows as on X11 (Wine's windows are X windows, and Wine
bridges the clipboard and hands the shell's Open verb to xdg-open); the
settings read from the registry, every link and the referral followed.

Usage: e2e.py PROGRAM.exe SITE_BASE REPORT_PROBE.exe WINE_RUN WORKDIR

Wine cannot show what Windows itself would: real Windows fonts, and a topmost
window shown without the focus.
"""
import os
import subprocess
import sys
import time
from datetime import date, timedelta
from urllib.parse import quote

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import journey  # noqa: E402
from journey import GiveUp, check, same  # noqa: E402
from x11 import Keyboard, output  # noqa: E402

KEY = r"HKCU\Software\Quennic Softwares\tessivane\Settings"
TEXT_SIZE = r"HKCU\Software\Microsoft\Accessibility"
COLOURS = r"HKCU\Control Panel\Colors"
# Windows' High Contrast Black theme, as it writes the system's colours.
HIGH_CONTRAST_BLACK = {
    "Background": "0 0 0", "Window": "0 0 0", "WindowText": "255 255 255", "WindowFrame": "255 255 255",
    "ButtonFace": "0 0 0", "ButtonText": "255 255 255", "ButtonHilight": "255 255 255", "ButtonLight": "255 255 255",
    "ButtonShadow": "255 255 255", "ButtonDkShadow": "255 255 255", "GrayText": "63 242 63",
    "Hilight": "26 235 255", "HilightText": "0 0 0", "HotTrackingColor": "255 255 0",
    "Menu": "0 0 0", "MenuText": "255 255 255", "MenuBar": "0 0 0", "MenuHilight": "26 235 255",
    "InfoWindow": "0 0 0", "InfoText": "255 255 255", "AppWorkspace": "0 0 0",
    "ActiveTitle": "0 0 0", "TitleText": "255 255 255", "InactiveTitle": "0 0 0", "InactiveTitleText": "255 255 255",
}


class WineKeys(Keyboard):
    """Keys and windows under Wine: what this driver and the screen reader's share."""
    key_delay, type_delay, pause, seconds = "80", "60", 0.5, 15  # Wine starts and draws more slowly

    def __init__(self, program, site_base, wine_run, work):
        super().__init__([wine_run, program], site_base, work)
        self.wine_run = wine_run

    def wine(self, *arguments):
        return output(self.wine_run, *arguments).replace("\r", "")

    def stored(self):
        found = [line.split()[-1] for line in self.wine("reg", "query", KEY, "/v", "LastUpdateOffer").splitlines()
                 if "LastUpdateOffer" in line]
        return found[0] if found else None

    def focus(self, window):
        if subprocess.run(["xdotool", "windowactivate", "--sync", window], capture_output=True).returncode:
            output("xdotool", "windowfocus", "--sync", window)
        time.sleep(0.3)

    def ended(self, process, seconds=10):
        return super().ended(process, seconds)

    def again(self):
        """A new copy, whose windows may have the numbers of the last one's."""
        self.ids.clear()
        return self.start()

    def leave(self, app):
        self.keys("alt+f x")
        if self.shows("closing"):
            self.keys("alt+x")
        return self.ended(app)

    def reminded(self):
        """Starts a copy whose last update offer is 20 days old: the question comes first."""
        self.wine("reg", "add", KEY, "/v", "LastUpdateOffer", "/t", "REG_SZ", "/d", str(date.today() - timedelta(20)),
                  "/f")
        app = self.again()
        if not self.shows("message"):
            raise GiveUp("a reminder 20 days old asks about updates")
        return app


class Wine(WineKeys):
    def screenshot(self, name):
        path = os.path.join(self.work, name + ".png")
        output("import", "-window", self.ids["input"], path)
        return path

    def fill(self, first, last):
        # The pixels a typed name changes in the window: its letters, where the
        # box's face and the name are the design's light blue and white, but only
        # the caret where a native face is drawn white under the name's white.
        self.focus(self.ids["input"])
        empty = self.screenshot("empty")
        self.type(first)
        named = self.screenshot("named")
        changed = subprocess.run(["compare", "-metric", "AE", empty, named, "null:"], capture_output=True,
                                 text=True).stderr.split()
        check(f"a typed name shows on the box ({changed[0] if changed else '?'} pixels changed)",
              bool(changed) and changed[0].isdigit() and int(changed[0]) > 60)
        self.keys("Tab Tab")
        self.type(last)

    def click(self, window, x, y):
        output("xdotool", "mousemove", "--window", self.ids[window], str(x), str(y), "click", "1")
        time.sleep(0.6)
        self.mouse_away()

    def paste(self, text):
        subprocess.run(["xclip", "-selection", "clipboard"], input=text, text=True, stdout=subprocess.DEVNULL)
        time.sleep(0.2)
        self.keys("ctrl+a ctrl+v")

    def at_opened(self):
        self.designed = self.size("input")
        check("the first start shows no message", not self.visible("^Tessivane$"))
        same(f"the first start stores today in {KEY}", self.stored(), str(date.today()))

    def at_back(self):
        for keys, name, what in [("alt+h o", "help-web-page", "Help > Online Help opens its page"),
                                 ("alt+h v", "home-page", "Help > Visit Us Online opens the home page"),
                                 ("alt+h c", "download-web-page", "Help > Check for Software Update opens the download page"),
                                 ("alt+d", "donate", "Donate opens its page")]:
            self.keys(keys)
            same(what, self.opened(), self.page(name))
        menu_bar = 22  # the client area starts with the menu bar
        self.click("input", 100, menu_bar + 16)
        same("the forum link opens the home page", self.opened(), self.page("home-page"))
        self.click("input", 200, menu_bar + 196)
        check("the branding link opens its page", self.opened() in (self.page("co-brand"), self.page("fully-branded")))
        self.focus(self.ids["input"])
        self.keys("alt+h a")
        if not self.shows("about"):
            raise GiveUp("Help > About Software shows the about window")
        self.click("about", 240, 140)
        same("the about window's home page link opens it", self.opened(), self.page("home-page"))
        self.click("about", 300, 194)
        same("the about window's branding link opens its page", self.opened(), self.page("fully-branded"))
        self.focus(self.ids["about"])
        self.keys("Return")
        check("OK closes the about window", self.shows("input"))

    def at_closing(self):
        self.click("closing", 553, 298)
        same("the closing window's link opens the other programs' page", self.opened(), self.page("quennicsoftwares"))
        # A referral whose boxes hold what an address must carry encoded.
        values = {"name": "Anne & Bob #1 é", "email": "anne&bob#1@example.org", "text": "Look: 100% & more #fun",
                  "friend": "Zoë Ann", "friend_email": "zoe@example.org"}
        self.click("closing", 60, 243)
        for box, keys in [("name", "Tab Tab"), ("email", "Tab"), ("friend_email", "Tab"), ("friend", "Tab"),
                          ("text", "alt+n")]:
            self.paste(values[box])
            self.keys(keys)
        order = [values[box] for box in ("name", "email", "text", "friend", "friend_email")]
        expected = self.page("telvo-refer-a-friend") + "".join(
            f"&taf{number}={quote(value, safe='-._~')}"
            for number, value in enumerate(order + [f"{self.site_base}/tessivane/"], 1))
        same("the referral arrives exactly", self.opened(), expected)
        self.focus(self.ids["closing"])

    def at_ended(self):
        app = self.reminded()
        check("a reminder 20 days old asks about updates before the input window",
              not self.visible("^" + journey.TITLES["input"] + "$"))
        self.keys("Escape")
        check("the input window follows the question", self.shows("input"))
        same("the program ends with status 0 again", self.leave(app), 0)

        # A copy ended by force leaves nothing that keeps the next one out, also
        # when Wine gives the next one the same process number, as it does to a
        # program started alone.
        output("wineserver", "-w")
        app = self.again()
        if not self.shows("input"):
            raise GiveUp("the program starts again")
        self.wine("taskkill", "/F", "/IM", os.path.basename(self.program))
        self.ended(app)
        output("wineserver", "-w")
        app = self.again()
        if not self.shows("input", seconds=15):
            raise GiveUp("a copy ended by force does not keep the next one out")
        check("after a copy was ended by force the program starts again, without \"Application is already running\"",
              not self.visible("^Tessivane$"))
        self.leave(app)

        # Settings > Accessibility > Text size: every window as much larger.
        self.wine("reg", "add", TEXT_SIZE, "/v", "TextScaleFactor", "/t", "REG_DWORD", "/d", "150", "/f")
        app = self.again()
        if self.shows("input"):
            size = self.size("input")
            check(f"at Text size 150 % the input window is 1.5 times {self.designed}: {size}",
                  all(abs(side - designed * 1.5) <= 2 for side, designed in zip(size, self.designed)))
            output("import", "-window", self.ids["input"], os.path.join(self.work, "text-size-150.png"))
        self.leave(app)
        self.wine("reg", "delete", TEXT_SIZE, "/v", "TextScaleFactor", "/f")

        # Windows' High Contrast Black: Wine answers SPI_GETHIGHCONTRAST with "off"
        # whatever the colours, so the program's own switch asks for it.
        for name, colour in HIGH_CONTRAST_BLACK.items():
            self.wine("reg", "add", COLOURS, "/v", name, "/t", "REG_SZ", "/d", colour, "/f")
        output("wineserver", "-w")
        self.command = ["env", "TESSIVANE_CONTRAST=high", self.wine_run, self.program]
        app = self.again()
        if self.shows("input"):
            self.contrast_shown("input", "high-contrast-input")
            self.keys("alt+f x")
            if self.shows("closing"):
                self.contrast_shown("closing", "high-contrast-closing")
                self.keys("alt+x")
        same("under High Contrast Black the program ends with status 0", self.ended(app), 0)

        # Wine's own warnings are not the program's: DPI awareness is not implemented.
        rest = [line for line in self.printed().splitlines()
                if "SetProcessDpiAwarenessContext" not in line and "EnableNonClientDpiScaling" not in line]
        check("the program printed nothing else", not rest, "\n".join(rest))

    def contrast_shown(self, window, name):
        """The window in the contrast theme's colours: none of the design's, mostly the theme's black."""
        path = os.path.join(self.work, name + ".png")
        time.sleep(1)
        output("import", "-window", self.ids[window], path)
        shares = [output("convert", path, "-fill", "black", "+opaque", colour, "-fill", "white", "-opaque", colour,
                         "-format", "%[fx:mean]", "info:") for colour in ("#7CA5E7", "#000080", "#000000")]
        try:
            light_blue, navy, black = map(float, shares)
        except ValueError:
            light_blue = navy = black = -1
        check(f"under High Contrast Black the {window} window has none of the design's light blue and navy "
              f"({light_blue:.3f}, {navy:.3f}) and is mostly the theme's black ({black:.3f})",
              light_blue == 0 and navy == 0 and black > 0.5)

    def tell(self):  # a picture of the screen to look at
        output("import", "-window", "root", os.path.join(os.environ.get("TMPDIR", "/tmp"), "tessivane-wine-failure.png"))
        super().tell()


if __name__ == "__main__":
    program, site_base, report_probe, wine_run, work = sys.argv[1:6]
    expected = journey.reading(report_probe, "MARY", "", "WATSON", run=lambda command: [wine_run, *command])
    status = journey.take(Wine(program, site_base, wine_run, work), "e2e (wine)", expected)
    if os.environ.get("TESSIVANE_WINE_PICTURES"):  # to look at by hand
        subprocess.run(["cp", "-r", work, os.environ["TESSIVANE_WINE_PICTURES"]])
    sys.exit(status)
