"""Starts Orca so that what it says reaches its log at once and nothing is sent
to a speech server: each utterance is a line "SPEECH OUTPUT: '...'" in LOG.

Usage: screen_reader.py LOG
"""
import builtins
import runpy
import sys

log = sys.argv[1]
open_file = builtins.open


def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs["buffering"] = 1
    return open_file(file, mode, *args, **kwargs)


builtins.open = line_buffered
sys.path.insert(0, "/usr/lib/python3/dist-packages")
import orca.settings  # noqa: E402

# No speech server: Orca still logs every utterance.
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
sys.argv = ["orca", "--debug-file=" + log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
