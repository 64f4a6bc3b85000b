"""The RFC library loaded while the program runs: whatever is wrong with
the installed library, a poll ends with the error document that names the
file, and exit status 2. Each fault is a real file (or its absence) beside
the program; the broken libraries are those of tests/library_variants."""

import os
import shutil

import harness
import wine

SYSTEM_FOLDERS = r"C:\windows\system32, C:\windows\system, C:\windows"
NO_SHARED_OBJECT = "librfc32.so: cannot open shared object file: No such file or directory"
DAMAGED = ". Replace it by a sound copy of the vendor's librfc32.dll"


class LibraryCase(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")
        self.write_profile("PRD.P00")
        self.library = os.path.join(self.bin_dir, "librfc32.dll" if self.windows else "librfc32.so")

    def library_text(self):
        """The library beside the program as the program names it."""
        return self.program_path("bin\\librfc32.dll") if self.windows else self.library

    def replace_library(self, source):
        os.remove(self.library)
        shutil.copyfile(source, self.library)

    def poll(self, *args):
        return self.run_program(*(args or ("PRD", "USERS")))


class MissingLibraryTest(LibraryCase):
    def setUp(self):
        super().setUp()
        os.remove(self.library)

    def missing(self):
        if self.windows:
            places = ("the program's folder %s, then %s, the working directory %s and the "
                      "folders of PATH" % (self.program_path("bin"), SYSTEM_FOLDERS,
                                           self.program_path(".")))
            name = "librfc32.dll"
        else:
            places = ("the program's folder %s, then the system's library places (%s)"
                      % (self.bin_dir, NO_SHARED_OBJECT))
            name = "librfc32.so"
        return ("Error 1041: RFC library %s is missing: looked in %s. Put the vendor's %s "
                "beside the program" % (name, places, name))

    def test_says_where_it_looked(self):
        self.assertErrorDocument(self.poll(), self.missing())

    def test_start_and_profile_errors_need_no_library(self):
        self.assertErrorDocument(self.poll("TST", "USERS"),
                                 "Error 1002: Profile TST.P00 is missing...")

    # A listing run loads the library before it prints anything of its
    # document; the progress lines of the marker do not come either.
    def test_a_listing_run_ends_before_its_document_opens(self):
        self.write_lines("SAP Lodestar.Gbl", [
            "# GSNG: USERS       PRD.P00#",
            '# GSNX: USERS      USERS,Item=u,Sensor=SAP Fernwatch"'])
        self.assertErrorDocument(self.poll("GLOBAL", "USERS #"), self.missing())


@harness.windows_only
class BrokenLibraryTest(LibraryCase):
    def test_library_of_the_other_bitness(self):
        self.assertIsNotNone(harness.CONFIG.other_bin, "run_module.py --other-bin")
        self.replace_library(os.path.join(harness.CONFIG.other_bin, "librfc32.dll"))
        own = 32 if wine.is_32_bit_program(os.path.join(self.bin_dir, "fernwatch.exe")) else 64
        other = 96 - own
        self.assertErrorDocument(
            self.poll(), "Error 1042: RFC library %s is %d-bit but this program is %d-bit: take "
            "fernwatch-4.3-win%d.zip, or the %d-bit librfc32.dll"
            % (self.library_text(), other, own, other, own))

    def test_library_that_needs_a_missing_dll(self):
        self.replace_library(harness.broken_library("librfc32-needs-absent.dll"))
        self.assertErrorDocument(
            self.poll(), "Error 1043: RFC library %s does not load (Windows error 126: Module not "
            "found): a DLL that it needs is missing. Install what the vendor's library needs"
            % self.library_text())

    def test_library_that_lacks_a_function(self):
        self.replace_library(harness.broken_library("librfc32-lacks-ItDelete.dll"))
        self.assertErrorDocument(
            self.poll(), "Error 1044: RFC library %s has no function ItDelete (Windows error 127: "
            "Procedure not found): it is not the classic RFC library that Fernwatch needs. Put "
            "the vendor's classic ANSI librfc32.dll there" % self.library_text())

    def test_files_that_are_no_library(self):
        with open(self.library, "rb") as f:
            stand_in = f.read()
        bad_format = "(Windows error 193: Bad EXE format for librfc32.dll)" + DAMAGED
        for what, content, ending in (
                ("not a PE file", b"not a library\r\n", bad_format),
                ("cut short", stand_in[:1024], bad_format),
                ("a folder", None, "(Windows error 5: Access denied): it is a folder. Put the "
                                   "vendor's librfc32.dll in its place")):
            with self.subTest(what):
                if os.path.isfile(self.library):
                    os.remove(self.library)
                if content is None:
                    os.mkdir(self.library)
                else:
                    self.write_bytes(self.library, content)
                self.assertErrorDocument(self.poll(), "Error 1043: RFC library %s does not load %s"
                                         % (self.library_text(), ending))
