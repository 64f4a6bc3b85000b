"""The operator's package of the 64-bit Windows build, made and used as an
operator would use it (ctest e2e.windows.package).

    package_demo.py --cmake cmake --bin build/windows/install/bin --version 4.3 \
                    --work build/native/package --prefix build/native/wineprefix

Makes the zip with packaging/package.cmake, checks what it holds, unpacks
it into PRTG's sensor folder of the test run's Wine prefix, adds the demo
as demo\\README.txt says, and polls the demo system as PRTG would. Exit
status 0 when it all holds, 77 (skipped) when the build is not installed,
1 otherwise.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import unittest
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from harness import clear_shared_prefix_files  # noqa: E402
from wine import WinePrefix  # noqa: E402

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SENSORS = r"C:\Program Files (x86)\PRTG Network Monitor\Custom Sensors\EXEXML"
# What demo\README.txt and install.md, 4.3, say to write into C:\PRTG_Path.Txt.
PRTG_PATH_LINE = r"C:\Program Files (x86)\PRTG Network Monitor"
DEMO_FILES = ("librfc32.dll", "RfcSim.ini", "PRD.P00", "QAS.P00", "DEV.P00", "TST.P00",
              "SAP Lodestar.Gbl", "Lodestar.Prf")
EXAMPLES = ("SID.P00.example", "SAP Lodestar.Gbl.example", "Lodestar.Prf.example")

PRD_USERS = (
    "\r\n<Prtg>\r\n\r\n"
    "<Result><Channel>A: Users</Channel>\r\n<Unit>Custom</Unit>\r\n"
    "<CustomUnit>#</CustomUnit>\r\n<Value>17</Value></Result>\r\n\r\n"
    "<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\r\n\r\n</Prtg>\r\n"
).encode("ascii")


class Options:
    cmake = bin_dir = version = work = prefix = None


OPTIONS = Options()


def make_package():
    """The win64 zip, made fresh; returns its path."""
    os.makedirs(OPTIONS.work, exist_ok=True)
    subprocess.run([OPTIONS.cmake, "-DBIN_DIR=" + OPTIONS.bin_dir, "-DVERSION=" + OPTIONS.version,
                    "-DOUTPUT_DIR=" + OPTIONS.work, "-P",
                    os.path.join(SOURCE, "packaging", "package.cmake")],
                   check=True, stdout=subprocess.DEVNULL)
    return os.path.join(OPTIONS.work, "fernwatch-%s-win64.zip" % OPTIONS.version)


class PackageTest(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        cls.zip_path = make_package()
        cls.folder = "fernwatch-%s-win64/" % OPTIONS.version
        with zipfile.ZipFile(cls.zip_path) as archive:
            cls.files = {info.filename: archive.read(info) for info in archive.infolist()
                         if not info.is_dir()}

    def test_one_folder_with_the_stand_in_only_in_demo(self):
        names = {name[len(self.folder):] for name in self.files if name.startswith(self.folder)}
        self.assertEqual(len(names), len(self.files), "everything lies in " + self.folder)
        docs = {"docs/%s.txt" % name[:-3]
                for name in os.listdir(os.path.join(SOURCE, "docs")) if name.endswith(".md")}
        expected = ({"fernwatch.exe", "fernwatch-profile.exe", "README.txt", "demo/README.txt",
                     "lookups/fernwatch.state.ovl"}
                    | docs | {"examples/" + name for name in EXAMPLES}
                    | {"demo/" + name for name in DEMO_FILES})
        self.assertEqual(names, expected)
        # Operators read these with Windows tools: CR LF and nothing else.
        for name in names:
            if name.endswith((".txt", ".example")):
                text = self.files[self.folder + name]
                self.assertEqual(text.count(b"\n"), text.count(b"\r\n"), name)

    def test_readme_is_the_operators(self):
        # It names each page as the zip holds it, and nothing of the
        # developer's README (links to .md files, build presets).
        readme = self.files[self.folder + "README.txt"].decode("ascii")
        named = set(re.findall(r"docs\\([\w-]+\.txt)", readme))
        held = {name[len(self.folder + "docs/"):] for name in self.files
                if name.startswith(self.folder + "docs/")}
        self.assertEqual(named, held)
        self.assertNotRegex(readme, r"(?i)\]\(|cmake|preset")
        self.assertIn("fernwatch-profile.exe doctor", readme)

    def test_demo_polls_as_prtg_would(self):
        # The demo's readme and the install guide give C:\PRTG_Path.Txt one value.
        for page in ("demo/README.txt", "docs/install.txt"):
            self.assertIn(PRTG_PATH_LINE.encode("ascii") + b"\r\n", self.files[self.folder + page])
        prefix = self.prefix_with_the_package()
        sensors = prefix.host_path(SENSORS)
        for name in DEMO_FILES:
            shutil.copy2(os.path.join(sensors, "demo", name), sensors)
        with open(prefix.host_path(r"C:\PRTG_Path.Txt"), "wb") as f:
            f.write(PRTG_PATH_LINE.encode("ascii") + b"\r\n")
        # The doctor of step 3 finds every check passed.
        status, out, err = prefix.run([SENSORS + r"\fernwatch-profile.exe", "doctor", "PRD"],
                                      sensors)
        self.assertEqual((status, err), (0, b""), out)
        self.assertNotIn(b"FAULT", out)
        program = SENSORS + r"\fernwatch.exe"
        self.assertEqual(prefix.run([program, "PRD", "USERS"], sensors),
                         (0, PRD_USERS, b""))
        # The banner shows the version that names the package.
        status, out, _ = prefix.run([program, "PRD", "USERS #"], sensors)
        self.assertRegex(out.decode("latin-1"), r"^\* \d\d:\d\d:\d\d SAP Fernwatch Vers %s /"
                         % re.escape(OPTIONS.version))

    def test_example_profile_needs_an_encoded_password(self):
        prefix = self.prefix_with_the_package()
        sensors = prefix.host_path(SENSORS)
        tool = SENSORS + r"\fernwatch-profile.exe"
        self.assertEqual(
            prefix.run([tool, "check", r"examples\SID.P00.example"], sensors),
            (2, b"Error 1004: Invalid Password in Profile SID.P00.example found...\r\n", b""))
        # With the 24 characters that encode printed, the rest of the
        # example is a complete profile.
        encoded = self.files[self.folder + "demo/PRD.P00"].split(b"Password...: ")[1][:24]
        example = self.files[self.folder + "examples/SID.P00.example"]
        with open(os.path.join(sensors, "PRD.P00"), "wb") as f:
            f.write(re.sub(rb"(?m)^Password\.\.\.: .*\r$", b"Password...: " + encoded + b"\r",
                           example))
        self.assertEqual(prefix.run([tool, "check", "PRD.P00"], sensors), (0, b"OK\r\n", b""))

    def prefix_with_the_package(self):
        """The package's folder, unpacked into PRTG's sensor folder as an
        operator copies it; nothing else of PRTG is there."""
        prefix = WinePrefix(OPTIONS.prefix)
        if not prefix.is_ready():
            self.fail("no Wine prefix at %s: ctest's fixture e2e.windows.prefix makes it"
                      % prefix.path)
        clear_shared_prefix_files(prefix)
        self.addCleanup(clear_shared_prefix_files, prefix)
        sensors = prefix.host_path(SENSORS)
        unpacked = os.path.join(OPTIONS.work, "unpacked")
        shutil.rmtree(unpacked, ignore_errors=True)
        with zipfile.ZipFile(self.zip_path) as archive:
            archive.extractall(unpacked)
        shutil.copytree(os.path.join(unpacked, self.folder), sensors)
        self.assertFalse(os.path.exists(os.path.join(sensors, "librfc32.dll")))
        return prefix


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--bin", required=True, help="the installed bin folder of the 64-bit build")
    parser.add_argument("--version", required=True)
    parser.add_argument("--work", required=True, help="a folder for the zip")
    parser.add_argument("--prefix", required=True, help="the Wine prefix")
    args = parser.parse_args()
    OPTIONS.cmake, OPTIONS.bin_dir, OPTIONS.version = args.cmake, args.bin, args.version
    OPTIONS.work, OPTIONS.prefix = os.path.abspath(args.work), args.prefix
    program = os.path.join(args.bin, "fernwatch.exe")
    if not os.path.isfile(program):
        print("SKIPPED: %s is missing; build and install the windows preset "
              "(scripts/test.sh does)" % program)
        return 77
    prefix = WinePrefix(args.prefix)
    own_server = prefix.is_ready() and prefix.start_server()
    try:
        suite = unittest.defaultTestLoader.loadTestsFromTestCase(PackageTest)
        result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    finally:
        if own_server:
            prefix.kill()
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
