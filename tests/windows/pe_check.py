"""Reads the protections from the PE headers of every Windows program and DLL
in the files given (zips, folders, single files) and fails when one lacks
address space layout randomisation (a dynamic base with its relocations kept,
and high-entropy addresses for 64-bit files) or data execution prevention.
Control Flow Guard is shown, not required: GCC cannot make it.  Nor is ASLR
for what NSIS makes (the installer and its uninstaller): its stubs, as Debian
builds them, carry no relocations.

Usage: pe_check.py [--own PROGRAM NM] FILE...; with --own, PROGRAM (the
build's own, not stripped) must also carry GCC's stack protector, as NM reads
its symbols.
"""
import os
import struct
import subprocess
import sys
import zipfile

DYNAMIC_BASE, HIGH_ENTROPY_VA, NX_COMPAT, GUARD_CF = 0x0040, 0x0020, 0x0100, 0x4000
RELOCS_STRIPPED = 0x0001
passed = failed = 0


def check(what, ok):
    global passed, failed
    passed, failed = passed + ok, failed + (not ok)
    print(f"{'ok' if ok else 'FAILED'}: {what}")


def protections(data):
    """What the headers say, or None for a file that is not a PE file."""
    if data[:2] != b"MZ" or len(data) < 0x40:
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    characteristics = struct.unpack_from("<H", data, pe + 22)[0]
    optional = pe + 24
    magic, = struct.unpack_from("<H", data, optional)
    wide = magic == 0x20B
    flags, = struct.unpack_from("<H", data, optional + 70)
    # The base relocation table is the sixth data directory.
    directories = optional + (112 if wide else 96)
    relocations = struct.unpack_from("<II", data, directories + 5 * 8)[1]
    return {
        "NSIS": b"NullsoftInst" in data,
        "ASLR": bool(flags & DYNAMIC_BASE) and not characteristics & RELOCS_STRIPPED and relocations > 0,
        "high-entropy": bool(flags & HIGH_ENTROPY_VA) if wide else None,
        "DEP": bool(flags & NX_COMPAT),
        "CFG": bool(flags & GUARD_CF),
    }


def files(path):
    """(name, bytes) of every file under path: a zip's entries, a folder's files or the file itself."""
    if os.path.isdir(path):
        for folder, _, names in os.walk(path):
            for name in sorted(names):
                with open(os.path.join(folder, name), "rb") as f:
                    yield os.path.relpath(os.path.join(folder, name), path), f.read()
    elif zipfile.is_zipfile(path):
        with zipfile.ZipFile(path) as z:
            for name in z.namelist():
                if not name.endswith("/"):
                    yield name, z.read(name)
    else:
        with open(path, "rb") as f:
            yield os.path.basename(path), f.read()


def main(args):
    if args[:1] == ["--own"]:
        program, nm, args = args[1], args[2], args[3:]
        symbols = subprocess.run([nm, program], capture_output=True, text=True).stdout.split()
        check(f"{os.path.basename(program)} is built with the stack protector", "__stack_chk_fail" in symbols)
    for path in args:
        shown = 0
        for name, data in files(path):
            found = protections(data)
            if found is None:
                continue
            shown += 1
            said = ", ".join(f"{key} {'yes' if value else 'no'}" for key, value in found.items()
                             if key != "NSIS" and value is not None)
            made_by = " (made by NSIS)" if found["NSIS"] else ""
            check(f"{os.path.basename(path)}: {name}{made_by}: {said}",
                  found["DEP"] and (found["NSIS"] or (found["ASLR"] and found["high-entropy"] is not False)))
        check(f"{os.path.basename(path)} holds Windows programs or DLLs ({shown})", shown > 0)
    print(f"pe: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
