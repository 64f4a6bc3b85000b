"""Locating the profile: the name completed, a designated front-end's
directory, and in PRTG mode the search through C:\\PRTG_Path.Txt and the
PRTG custom-sensor directories on the current drive."""

import os
import shutil

import harness

EXEXML = r"PRTG Network Monitor\Custom Sensors\EXEXML"
PATH_USAGE = "Sorry, invalid Path-Usage..."


def missing(path):
    return "Error 1002: Profile %s is missing..." % path


class PrtgSearchTest(harness.FernwatchCase):
    """PRTG mode: no front-end designated, no "@" in the arguments."""

    def setUp(self):
        super().setUp()
        if not self.windows:
            # The Linux build reads C:\PRTG_Path.Txt and the candidate
            # directories from the root of this machine.
            for name in ("PRTG_Path.Txt", "Programme", "Program Files", "Program Files (x86)"):
                if os.path.exists("/" + name):
                    self.skipTest("/%s exists on this machine" % name)

    def test_profile_only_in_working_directory_is_refused(self):
        self.write_profile("PRD.P00")
        self.assertErrorDocument(self.run_program("PRD"), PATH_USAGE)

    def test_missing_profile_is_named_without_directory(self):
        for argument in ("PRD", r"D:\Sensors\PRD", r"Sensors\PRD"):
            with self.subTest(argument=argument):
                self.write_profile(r"Sensors\PRD.P00")
                self.assertErrorDocument(self.run_program(argument), missing("PRD.P00"))

    def test_marker_in_working_directory_designates_nothing(self):
        self.write_bytes("Tessiva.Frontend", b"")
        self.write_profile("PRD.P00")
        self.assertErrorDocument(self.run_program("PRD"), PATH_USAGE)

    def test_a_slash_splits_off_a_directory_too(self):
        # Whatever its separator, the first argument's directory is dropped:
        # it cannot lead the search out of the sensor directory.
        self.write_profile(r"secret\S.P00")
        argument = "secret/S"
        if self.windows:
            self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files"])
            below_drive = os.path.relpath(self.dir, self.prefix.drive_c).replace(os.sep, "/")
            argument = "../../../../%s/secret/S" % below_drive
        for given in (argument, argument.replace("/", "\\")):
            with self.subTest(given=given):
                self.assertErrorDocument(self.run_program(given, "USERS"), missing("S.P00"))

    @harness.windows_only
    def test_found_through_prtg_path_file(self):
        # The file may name the parent of the PRTG installation, the
        # installation itself or its sensor directory, with or without a
        # closing backslash; lines that are no path are ignored.
        for line in (r"C:\Program Files", "C:\\Program Files\\",
                     r"C:\Program Files\PRTG Network Monitor",
                     "C:\\Program Files\\" + EXEXML, r"\Program Files"):
            with self.subTest(line=line):
                self.write_profile("C:\\Program Files\\%s\\PRD.P00" % EXEXML)
                self.write_lines(r"C:\PRTG_Path.Txt", ["PRTG installed here:", line, ""])
                self.assertConnectionTried(self.run_program("PRD"))

    @harness.windows_only
    def test_last_path_line_of_prtg_path_file_wins(self):
        self.write_profile("C:\\Program Files\\%s\\PRD.P00" % EXEXML)
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files", r"C:\Nowhere"])
        self.assertErrorDocument(self.run_program("PRD"), missing("PRD.P00"))
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Nowhere", r"C:\Program Files"])
        self.assertConnectionTried(self.run_program("PRD"))

    @harness.windows_only
    def test_long_prtg_path_line_is_read_in_pieces_of_99(self):
        # Each piece is judged as a line of its own.
        self.write_profile("C:\\Program Files\\%s\\PRD.P00" % EXEXML)
        self.write_lines(r"C:\PRTG_Path.Txt", ["x" * 99 + r"C:\Program Files"])
        self.assertConnectionTried(self.run_program("PRD"))
        self.write_lines(r"C:\PRTG_Path.Txt", ["x" * 98 + r"C:\Program Files"])
        self.assertErrorDocument(self.run_program("PRD"), missing("PRD.P00"))

    @harness.windows_only
    def test_prtg_path_file_as_windows_tools_write_it(self):
        # Notepad's UTF-8 with its mark, PowerShell's UTF-16LE (its ">"),
        # echo's blank before ">", tabs: each names its folder, in the ANSI
        # code page.
        umlaut = "Pr\u00f6gramme"
        self.addCleanup(shutil.rmtree, self.path("C:\\" + umlaut), True)
        for folder in ("Program Files", umlaut):
            self.write_profile("C:\\%s\\%s\\PRD.P00" % (folder, EXEXML))
        for name, content in (
                ("UTF-8", b"\xef\xbb\xbfC:\\Program Files\r\n"),
                ("UTF-16LE", ("\ufeffC:\\%s\r\n" % umlaut).encode("utf-16-le")),
                ("ANSI", ("C:\\%s\r\n" % umlaut).encode("cp1252")),
                ("echo", b"C:\\Program Files \r\n"),
                ("tabs", b"C:\\Program Files\t \t" + b" " * 100 + b"\r\n")):
            with self.subTest(name):
                self.write_bytes(r"C:\PRTG_Path.Txt", content)
                self.assertConnectionTried(self.run_program("PRD"))

    @harness.windows_only
    def test_prtg_path_file_excludes_the_builtin_directories(self):
        self.write_profile("C:\\Program Files\\%s\\PRD.P00" % EXEXML)
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Nowhere"])
        self.assertErrorDocument(self.run_program("PRD"), missing("PRD.P00"))

    @harness.windows_only
    def test_builtin_directories_without_prtg_path_file(self):
        for parent in ("Programme", "Program Files", "Program Files (x86)"):
            with self.subTest(parent=parent):
                harness.clear_shared_prefix_files(self.prefix)
                self.write_profile("C:\\%s\\%s\\PRD.P00" % (parent, EXEXML))
                self.assertConnectionTried(self.run_program("PRD"))

    @harness.windows_only
    def test_prtg_path_file_without_path_searches_the_drive_root(self):
        self.write_profile("C:\\%s\\PRD.P00" % EXEXML)
        self.write_lines(r"C:\PRTG_Path.Txt", ["PRTG", "", "Program Files"], line_end="\n")
        self.assertConnectionTried(self.run_program("PRD"))

    @harness.windows_only
    def test_sensor_directory_must_end_in_exexml(self):
        # Any case of ExeXml passes; anything else is a misplaced profile.
        for name, verdict in (("exexml", None), ("ExeXml", None),
                              ("ExeXmlOld", PATH_USAGE), ("Sensors", PATH_USAGE)):
            directory = self.program_path(name)
            with self.subTest(directory=directory):
                self.write_profile(directory + r"\PRD.P00")
                self.write_lines(r"C:\PRTG_Path.Txt", [directory])
                result = self.run_program("PRD")
                if verdict:
                    self.assertErrorDocument(result, verdict)
                else:
                    self.assertConnectionTried(result)


class FrontEndTest(harness.FernwatchCase):
    """A designated front-end reads its profile from the directory given
    with the first argument, or from the working directory."""

    def test_missing_profile_names_the_completed_name(self):
        self.designate_frontend("Tessiva")
        for argument, name in (("PRD", "PRD.P00"), ("prd.p01", "prd.p01"),
                               ("PRD.TXT", "PRD.TXT"), ("PR", "PR.P00"),
                               ("PRD.P0", "PRD.P0.P00"), ("A.B.C", "A.B.C")):
            with self.subTest(argument=argument):
                self.assertErrorDocument(self.run_program(argument), missing(name))

    def test_missing_profile_in_given_directory_names_full_path(self):
        self.designate_frontend("Brixtel")
        self.write_profile("PRD.P00")   # in the working directory: not looked at
        directory = self.program_path("Sensors")
        result = self.run_program(directory + "\\PRD")
        self.assertErrorDocument(result, missing(directory + "\\PRD.P00"))

    def test_profile_in_given_directory_or_working_directory(self):
        self.designate_frontend("Maltrex")
        self.write_profile(r"Sensors\PRD.P00")
        self.assertConnectionTried(self.run_program(self.program_path("Sensors") + "\\PRD"))
        self.write_profile("QAS.P00")
        self.assertConnectionTried(self.run_program("QAS"))

    def test_marker_file_content_is_not_read(self):
        self.write_bytes(os.path.join(self.bin_dir, "Quorvane.Frontend"), b"no\r\n")
        self.assertErrorDocument(self.run_program("PRD"), missing("PRD.P00"))


class AtMarkerTest(harness.FernwatchCase):
    """"@" without a front-end skips the PRTG search: the profile is opened
    as given."""

    def test_missing_profile_named_as_given(self):
        self.assertErrorDocument(self.run_program("PRD", "@"), missing("PRD.P00"))
        directory = self.program_path("Sensors")
        self.assertErrorDocument(self.run_program(directory + "\\PRD", "x@y"),
                                 missing(directory + "\\PRD.P00"))

    def test_profile_in_working_directory_is_taken(self):
        self.write_profile("PRD.P00")
        self.assertConnectionTried(self.run_program("PRD", "@"))
