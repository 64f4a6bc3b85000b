"""Checks one Windows build against the vendor's librfc32.dll by name.

    library_names.py OBJDUMP BIN_DIR

Neither program imports anything from librfc32.dll: Windows refuses to
start a program whose imported DLL is missing or wrong, before any of its
code could report it, so fernwatch.exe loads the library while it runs
and takes its functions by their plain names. The vendor's library, in
both bitnesses, exports them under those names (RfcOpen, not RfcOpen@4 as
a 32-bit compiler decorates a __stdcall function), so the stand-in beside
the programs must export exactly the twelve plain names, no more: a
program tested against extra names could still fail beside the vendor's
DLL. The tables are read with objdump -p.

Exit status 0 when all is so, 77 (skipped) when the build is not
installed, 1 otherwise (each difference is printed).
"""

import os
import re
import subprocess
import sys

LIBRARY = "librfc32.dll"
NAMES = {
    "RfcEnvironment", "RfcOpen", "RfcOpenEx", "RfcInstallStructure", "RfcCall",
    "RfcReceive", "RfcLastError", "RfcClose", "ItCreate", "ItFill", "ItGetLine",
    "ItDelete",
}


class Unreadable(Exception):
    pass


def private_headers(objdump, path):
    done = subprocess.run([objdump, "-p", path], stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, universal_newlines=True)
    if done.returncode != 0:
        raise Unreadable("%s -p %s: %s" % (objdump, path, done.stdout.strip()))
    return done.stdout


def imported_names(dump, library):
    """Names imported from `library` (None when nothing is imported from it).
    An import by ordinal alone shows as "<ordinal N>"."""
    names = None
    current = None
    for line in dump.splitlines():
        found = re.match(r"\s*DLL Name: (\S+)", line)
        if found:
            current = found.group(1).lower() == library.lower()
            if current and names is None:
                names = []
            continue
        if not current:
            continue
        if not line.strip():
            current = False
            continue
        entry = re.match(r"\s*[0-9a-fA-F]+\s+(\d+)(?:\s+(\S+))?\s*$", line)
        if entry:
            names.append(entry.group(2) or "<ordinal %s>" % entry.group(1))
    return names


def exported_names(dump):
    names = []
    in_table = False
    for line in dump.splitlines():
        if "[Ordinal/Name Pointer] Table" in line:
            in_table = True
            continue
        if in_table:
            entry = re.match(r"\s*\[\s*\d+\]\s+(\S+)", line)
            if not entry:
                break
            names.append(entry.group(1))
    return names


def differences(what, names):
    problems = []
    if names is None:
        return ["%s: nothing at all" % what]
    extra = sorted(set(names) - NAMES)
    missing = sorted(NAMES - set(names))
    twice = sorted({n for n in names if names.count(n) > 1})
    if extra:
        problems.append("%s: names the vendor's DLL does not have: %s" % (what, " ".join(extra)))
    if missing:
        problems.append("%s: missing: %s" % (what, " ".join(missing)))
    if twice:
        problems.append("%s: listed twice: %s" % (what, " ".join(twice)))
    return problems


def main(argv):
    if len(argv) != 3:
        print(__doc__)
        return 2
    objdump, bin_dir = argv[1], argv[2]
    programs = [os.path.join(bin_dir, name) for name in ("fernwatch.exe", "fernwatch-profile.exe")]
    library = os.path.join(bin_dir, LIBRARY)
    if not os.path.isfile(programs[0]):
        print("SKIPPED: %s is missing; build and install this Windows preset "
              "(scripts/test.sh does)" % programs[0])
        return 77
    for path in programs + [library]:
        if not os.path.isfile(path):
            print("FAILED: %s is missing; build and install this Windows preset first" % path)
            return 1
    problems = []
    try:
        for program in programs:
            names = imported_names(private_headers(objdump, program), LIBRARY)
            if names is not None:
                problems.append("%s imports from %s: %s"
                                % (os.path.basename(program), LIBRARY, " ".join(names)))
        problems += differences("the stand-in %s exports" % LIBRARY,
                                exported_names(private_headers(objdump, library)))
    except (OSError, Unreadable) as error:
        print("FAILED: %s" % error)
        return 1
    for problem in problems:
        print("FAILED: " + problem)
    if not problems:
        print("%s: no program imports %s, which exports exactly the %d plain names"
              % (bin_dir, LIBRARY, len(NAMES)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
