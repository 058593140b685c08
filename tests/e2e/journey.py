"""The journey every end-to-end driver takes through the program, written once:
each step, and what it must show.

A driver says how it takes a step (keys, AT-SPI actions) and what it reads
(X windows and the clipboard, the accessibility tree, Orca's speech). What it
cannot read it answers with None, and that check is left to the others; what
only it can check it adds at the journey's stops, through extra(stop).
"""
import os
import subprocess


VERSION = os.environ["TESSIVANE_VERSION"]
TITLES = {"input": f"Tessivane  v{VERSION}", "result": f"Tessivane  v{VERSION}", "about": f"Tessivane  v{VERSION}",
          "closing": f"Tessivane v{VERSION}", "message": "Tessivane"}
# How the reading of MARY WATSON begins, whatever the engine says.
HEAD = ["Your Plane of Expression is towards Emotional", "", "Your Personal Expression:", "Mental Ability 30 - Average",
        "Physical Ability 20 - Average", "Emotional Ability 40 - Strong", "Intuitive Ability 10 - Weak"]


passed = failed = 0


def check(what, ok, detail=""):
    """Counts a check and says how it went; ok."""
    global passed, failed
    passed, failed = passed + bool(ok), failed + (not ok)
    print(f"ok: {what}" if ok else f"FAILED: {what}" + (f"\n{detail}" if detail else ""))
    return ok


def summary(name):
    """The closing line "NAME: P passed, F failed" that the test command reads; the exit status."""
    print(f"{name}: {passed} passed, {failed} failed")
    return 1 if failed else 0


class Driver:
    """What every driver does alike: the program's copies, how they end, what they print."""
    reads_whole_report = True

    def __init__(self, command, work):
        self.command, self.work, self.processes = command, work, []
        self.log = open(os.path.join(work, "app.log"), "a")

    def start(self):
        self.processes.append(subprocess.Popen(self.command, stdout=self.log, stderr=subprocess.STDOUT))
        return self.processes[-1]

    def ended(self, process, seconds=5):
        try:
            return process.wait(seconds)
        except subprocess.TimeoutExpired:
            process.kill()
            return f"still running after {seconds} s: killed"

    def last_name(self):
        return None

    def extra(self, stop):
        getattr(self, "at_" + stop, lambda: None)()

    def printed(self):
        return open(os.path.join(self.work, "app.log"), errors="replace").read()

    def tell(self):
        print("--- the program's output:\n" + self.printed())

    def finish(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()


class GiveUp(Exception):
    """A step the rest cannot do without: every later step would only wait."""


def expect(what, answer, detail=""):
    if answer is not None:
        check(what, answer, detail)
    return answer


def same(what, actual, expected):
    return expect(what, None if actual is None else actual == expected,
                  f"expected: {expected!r}\nactual:   {actual!r}")


def shows(driver, window, what):
    """The program shows window, and no other of its windows (but the input
    window under a message)."""
    if not driver.shows(window):
        raise GiveUp(what)
    check(what, True)


def reading(report_probe, *names, run=lambda command: command):
    command = run([report_probe, *names])
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout.replace("\r", "")


def take(driver, name, expected_report):
    """Takes the journey; the driver's exit status."""
    try:
        app = driver.start()
        shows(driver, "input", "the input window opens")
        driver.extra("opened")

        second = driver.start()
        shows(driver, "message", "a second copy shows its message")
        driver.extra("message")
        driver.do("OK")
        same("the second copy ends with status 0", driver.ended(second), 0)
        check("the first copy still runs", app.poll() is None)
        driver.extra("answered")

        driver.fill("mary", "watson")
        driver.do("Next")
        shows(driver, "result", "Next hides the input window and shows the result window")
        report = driver.report()
        if driver.reads_whole_report:
            same("the report is the engine's reading of MARY WATSON (typed small)", report, expected_report)
            report = report and report.splitlines()
        lines = [line.rstrip() for line in report or []]
        expect("the report begins with the plane and the four grades of MARY WATSON",
               len(lines) >= 4 and lines[:len(HEAD)] == HEAD[:len(lines)], f"expected: {HEAD}\nread:     {lines}")
        driver.extra("result")

        driver.do("Back")
        shows(driver, "input", "Back brings the input window back, alone")
        same("Back keeps the names", driver.last_name(), "WATSON")
        driver.extra("back")

        driver.do("File > Exit")
        shows(driver, "closing", "File > Exit shows the closing window, and the input window is gone")
        driver.extra("closing")
        driver.do("Exit")
        same("Exit ends the program with status 0", driver.ended(app), 0)
        driver.extra("ended")
    except GiveUp as step:
        check(f"{step} (giving up)", False)
    finally:
        if failed:
            driver.tell()
        driver.finish()
    return summary(name)
