"""The Wine prefix of one test run (ctest fixture e2e.windows.prefix).

    wine_prefix.py create PREFIX WINDOWS_BIN   a new prefix; fails when the
                                               Windows build is not installed
    wine_prefix.py end PREFIX                  ends the prefix's wineserver
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from wine import WinePrefix, WineError  # noqa: E402


def main(argv):
    if len(argv) < 3 or argv[1] not in ("create", "end"):
        print(__doc__)
        return 2
    prefix = WinePrefix(argv[2])
    try:
        if argv[1] == "end":
            prefix.kill()
            return 0
        windows_bin = argv[3] if len(argv) > 3 else ""
        program = os.path.join(windows_bin, "fernwatch.exe")
        if not os.path.isfile(program):
            print("FAILED: the Windows build is not installed: no %s.\n"
                  "Build and install the windows preset (scripts/test.sh does), or "
                  "point FERNWATCH_WINDOWS_INSTALL at its install folder." % program)
            return 1
        prefix.create()
        print("Wine prefix ready: %s" % prefix.path)
        return 0
    except Exception as error:  # a clear line for ctest's log, not a trace
        print("FAILED: %s" % error)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
