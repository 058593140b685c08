"""What an end-to-end driver counts: each check passed or failed, and the
closing line "NAME: P passed, F failed" that the test command reads."""
passed = failed = 0


def check(what, ok, detail=""):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok: {what}")
    else:
        failed += 1
        print(f"FAILED: {what}" + (f"\n{detail}" if detail else ""))
    return ok


def summary(name):
    """Prints the closing line; the exit status the driver ends with."""
    print(f"{name}: {passed} passed, {failed} failed")
    return 1 if failed else 0
