"""Runs one end-to-end test module against one build.

    run_module.py --platform native --bin build/native/install/bin test_start
    run_module.py --platform windows --bin build/windows/install/bin \
                  --prefix build/native/wineprefix test_start

Exit status 0 when every test passed, 77 when the module has nothing to
run on this platform (all skipped) or the Windows build is not installed,
1 otherwise.
"""

import argparse
import importlib
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import harness  # noqa: E402
import wine  # noqa: E402

ALL_SKIPPED = 77


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--platform", choices=("native", "windows"), required=True)
    parser.add_argument("--bin", required=True, help="the installed bin folder")
    parser.add_argument("--prefix", help="the Wine prefix (windows)")
    parser.add_argument("--other-bin", help="the other Windows build's bin folder (windows)")
    parser.add_argument("module")
    args = parser.parse_args()

    if args.platform == "windows" and not args.prefix:
        parser.error("--prefix is needed for the windows build")
    program = os.path.join(args.bin, harness.PROGRAM + (".exe" if args.platform == "windows" else ""))
    if not os.path.isfile(program):
        # The native build is installed by the test run itself; a Windows
        # build is there only when its preset was built and installed, and
        # scripts/test.sh fails when its tests are skipped.
        if args.platform == "windows":
            print("SKIPPED: %s is missing; build and install its Windows preset "
                  "(scripts/test.sh does)" % program)
            return ALL_SKIPPED
        print("FAILED: %s is missing; build and install the native preset first "
              "(scripts/test.sh does both)" % program)
        return 1
    if args.platform == "windows" and wine.is_32_bit_program(program) and \
            not os.access(wine.LOADER_32, os.X_OK):
        print("FAILED: %s is a 32-bit program and 32-bit Wine is missing (%s); install "
              "the Debian package wine32:i386, then let ctest make the Wine prefix anew"
              % (program, wine.LOADER_32))
        return 1
    harness.configure(args.platform, args.bin, args.prefix, args.other_bin)

    suite = unittest.defaultTestLoader.loadTestsFromModule(importlib.import_module(args.module))
    if suite.countTestCases() == 0:
        print("FAILED: %s holds no tests" % args.module)
        return 1
    prefix = harness.CONFIG.prefix
    own_server = prefix is not None and prefix.is_ready() and prefix.start_server()
    try:
        result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    finally:
        if own_server:
            prefix.kill()
    if not result.wasSuccessful():
        return 1
    if len(result.skipped) == result.testsRun:
        return ALL_SKIPPED
    return 0


if __name__ == "__main__":
    sys.exit(main())
