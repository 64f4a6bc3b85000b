"""The Wine prefix of one test run (ctest fixture e2e.windows.prefix).

    wine_prefix.py create PREFIX WINDOWS_BIN...   a new prefix; exit status 77
                                                  (skipped) when no Windows
                                                  build is installed
    wine_prefix.py end PREFIX                     ends the prefix's wineserver

One prefix serves the 64-bit and the 32-bit build: made by the 64-bit
loader with Debian's wine32 installed, it starts programs of both.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from wine import WinePrefix, WineError  # noqa: E402

SKIPPED = 77  # ctest's SKIP_RETURN_CODE of the fixture


def main(argv):
    if len(argv) < 3 or argv[1] not in ("create", "end"):
        print(__doc__)
        return 2
    prefix = WinePrefix(argv[2])
    try:
        if argv[1] == "end":
            prefix.kill()
            return 0
        programs = [os.path.join(windows_bin, "fernwatch.exe") for windows_bin in argv[3:]]
        if not any(os.path.isfile(program) for program in programs):
            print("SKIPPED: no Windows build is installed: none of %s.\n"
                  "Build and install the windows and windows-x86 presets (scripts/test.sh "
                  "does), or point FERNWATCH_WINDOWS_INSTALL and FERNWATCH_WINDOWS_X86_INSTALL "
                  "at their install folders." % ", ".join(programs or ["(no folder given)"]))
            return SKIPPED
        prefix.create()
        print("Wine prefix ready: %s" % prefix.path)
        return 0
    except Exception as error:  # a clear line for ctest's log, not a trace
        print("FAILED: %s" % error)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
