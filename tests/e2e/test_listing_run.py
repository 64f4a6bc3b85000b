"""Listing runs: one item on every system named by Lodestar.Prf (ITEM=) or by
the global sensor listing SAP Lodestar.Gbl (GLOBAL). Each system is counted,
a failing one never ends the run, and the document ends with the summary.

The runs use a designated front-end (PRTG XML, table ZPRTG, files in the
working directory) except the PRTG run, which needs drive C: of Wine."""

import os
import re

import harness
import landscape
import profiles

ITEM = "dialog users"            # as the summary names it
MARKER = 'Sensor=SAP Fernwatch"'
PARAMETERS = "USERS,Item=dialog:users," + MARKER
TIME = "hh:mm:ss"                # any clock time in progress lines
EXEXML = r"C:\Program Files\PRTG Network Monitor\Custom Sensors\EXEXML"
PROCESSED, NOT_FOUND, FAILURE = "Processed", "Not Found", "Rfc Failure"
ITEM_ROWS = [("USERS", "*", "Logged-on users", "", "3"),
             ("USERS", "01", "Dialog users", "1", "17"),
             ("USERS", "02", "Batch users", "", "2")]

# Profile name: (destination, its system's rows and settings, state prefix
# and value of its channel, state, what it leaves ahead of the summary when
# it is the last system). Destination None: no profile file; "": the test
# writes the file. The host is the destination in lower case + "host".
SYSTEMS = {
    "PRD.P00": ("PRD", ITEM_ROWS, ("1: ", "17"), PROCESSED, ""),
    "DEV.P00": ("DEV", [("USERS", "01", "DIALOG USERS", "", "5")], ("", "5"), PROCESSED, ""),
    "QAS.P00": ("QAS", [("SPOOL", "*", "Spool requests", "", "40")], None, NOT_FOUND, ""),
    "BAT.P00": ("BAT", ITEM_ROWS[2:], None, PROCESSED, ""),  # the sensor, not the item
    "REF.P00": ("REF", ITEM_ROWS + ["fail = open refused"], None, FAILURE, ""),
    "PWD.P00": ("PWD", ITEM_ROWS, None, FAILURE, ""),        # wrong check digit
    "CPU.P00": ("CPU", ITEM_ROWS + ["fail = GET_CPU_ALL failure"], None, FAILURE,
                "Error 1014: RFC-Failure raised !"),
    "TAB.P00": ("TAB", [], None, FAILURE, "Error 1012: Exception.: TABLE_NOT_FOUND"),
    "EMP.P00": ("EMP", ["table = {table}"], None, NOT_FOUND,
                "\n<Text>(EMP) Fernwatch: No Table-Entries defined / found... </Text>\n"),
    "BIN.P00": ("", [], None, FAILURE, ""),
    "NIL.P00": (None, [], None, None, ""),
}
EVERY_OUTCOME = ["PRD.P00", "QAS.P00", "BAT.P00", "REF.P00", "NIL.P00", "PWD.P00",
                 "TAB.P00", "DEV.P00", "EMP.P00", "CPU.P00"]


def gsng(value, sensor="USERS"):
    return "# GSNG: %-10s  %s" % (sensor, value)


def gsnx(parameters, sensor="USERS"):
    return "# GSNX: %-10s %s" % (sensor, parameters)


def entries(names):
    return "".join(name + "#" for name in names)


def channel(name, value, unit="#"):
    return ("\n<Result><Channel>%s</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>%s"
            "</CustomUnit>\n<Value>%s</Value></Result>\n" % (name, unit, value))


def summary(counts, leftover="", item=ITEM):
    return (leftover + "\n<Text>(***) %s: NoSystems=%d, Processed=%d, Failed=%d</Text>\n"
            "\n</Prtg>\n\n" % ((item,) + tuple(counts)))


def expected_run(names, echo=None):
    """The whole output of a run over `names`; with `echo` (the parameter
    text) the progress lines too."""
    text, counts, leftover = "\n<Prtg>\n\n", [0, 0, 0], ""
    for name in names:
        counts[0] += 1
        destination, _, result, state, left = SYSTEMS.get(name, (None,) * 5)
        if destination is None:
            continue
        leftover = left
        counts[1 if state == PROCESSED else 2] += 1
        if result:
            text += channel(result[0] + name, result[1])
        if echo is not None:
            text += "\n* %s %s, %shost, %s, 00, 100 State=%s\n" % (
                TIME, name, destination.lower(), destination, state)
    text += summary(counts, leftover)
    if echo is None:
        return text
    return ("* %s SAP Fernwatch Vers 4.3 / 29.08.22\n* %s %s State=Executing\n" %
            (TIME, TIME, echo) + text + "\n* %s SAP Fernwatch now processed...\n" % TIME)


class ListingCase(harness.FernwatchCase):
    frontend = "Tessiva"

    def setUp(self):
        super().setUp()
        if self.frontend:
            self.designate_frontend(self.frontend)

    def write_systems(self, names, directory="", table="ZPRTG", library=()):
        """Profiles of `names` in `directory`, their systems in RfcSim.ini
        of the working directory (or of `directory` in PRTG runs)."""
        lines = list(library)
        for name in dict.fromkeys(names):
            destination, setup, _, _, _ = SYSTEMS[name]
            if not destination:
                continue
            host = destination.lower() + "host"
            password = profiles.encode("secret")
            if name == "PWD.P00":
                password = profiles.wrong_check_digit(password)
            self.write_profile(self.join(directory, name), password, Destination=destination,
                               Hostname=host, Gwhost=host)
            lines += landscape.system(
                destination, host,
                rows=[landscape.row(table, *row) for row in setup if isinstance(row, tuple)],
                settings=[s.format(table=table) for s in setup if isinstance(s, str)])
        landscape_dir = directory if directory.startswith("C:") else ""
        self.write_lines(self.join(landscape_dir, "RfcSim.ini"), lines)

    @staticmethod
    def join(directory, name):
        return directory + "\\" + name if directory else name

    def write_listing(self, parameters=PARAMETERS, systems=("PRD.P00",), extra=(), directory=""):
        lines = ["; user sensors of Fernwatch"] + [gsng(entries(systems))] + \
                [gsnx(parameters)] + list(extra)
        self.write_lines(self.join(directory, "SAP Lodestar.Gbl"), lines)

    def assertRun(self, result, text):
        """Standard output byte for byte, clock times as any hh:mm:ss."""
        if TIME not in text:
            return self.assertOutput(result, text, 0)
        pattern = re.escape(self.expected(text)).replace(TIME.encode(), rb"\d\d:\d\d:\d\d")
        self.assertTrue(re.fullmatch(pattern, result.stdout) and result.status == 0
                        and result.stderr == b"",
                        "in %s:\n%r\nexpected\n%r" % (self.dir, result, self.expected(text)))


class OutcomeTest(ListingCase):
    def write_system_list(self, names):
        self.write_lines("Lodestar.Prf", [
            "# GSNG: USERS       BAT.P00#",                # head in other case: not counted
            "# Gsng:xUSERS       BAT.P00#",                # no ": "
            "# Gsng: USERS       " + entries(names[:4]),   # columns 9-20 not examined
            "# Gsng: ANY SENSOR 1" + entries(names[4:])])

    def test_every_outcome_in_both_forms(self):
        self.write_systems(EVERY_OUTCOME)
        self.write_system_list(EVERY_OUTCOME)
        self.assertRun(self.run_program("PRD", "users", "ITEM=dialog:users"),
                       expected_run(EVERY_OUTCOME))
        self.write_listing(systems=EVERY_OUTCOME[:3], extra=[
            gsnx("Item=x,no marker", "OTHER"),                # another sensor's line: ignored
            gsng("BAT.P00#", "OTHER"), gsng("BAT.P00#", "USERSX"),
            "# gsng: users     ++" + entries(EVERY_OUTCOME[3:])])  # any case, columns 19-20 any
        self.assertRun(self.run_program("GLOBAL", "users"), expected_run(EVERY_OUTCOME))

    def test_last_systems_error_text_stays_ahead_of_the_summary(self):
        self.write_systems(SYSTEMS)
        for names in (["TAB.P00"], ["EMP.P00"], ["CPU.P00", "NIL.P00"], ["CPU.P00", "PRD.P00"]):
            with self.subTest(names=names):
                self.write_system_list(names)
                self.assertRun(self.run_program("PRD", "users", "ITEM=dialog:users"),
                               expected_run(names))

    def test_rfc_error_report_ends_the_run_unfinished(self):
        self.write_systems(["PRD.P00", "REF.P00"])
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE) +
                         landscape.system("REF", "refhost", settings=["fail = open handler"]))
        self.write_listing(systems=["PRD.P00", "REF.P00", "PRD.P00"])
        self.assertOutput(self.run_program("GLOBAL", "users"),
                          "\n<Prtg>\n\n" + channel("1: PRD.P00", "17") +
                          "RFC error\noperation/code  : RfcOpen\n"
                          "key             : RFC_ERROR_COMMUNICATION\n"
                          "status          : CONNECT_FAILED\nmessage         : RfcOpen\n"
                          "internal status : RfcOpen\n\n* Programm aborted...\n"
                          "* Error at EoXput-File...\n", 1)

    def test_refused_table_operation_ends_the_run_unfinished(self):
        # The same report as after a refusal in a single-system run: the
        # channels printed stay, nothing follows, no next system is polled.
        self.write_systems(["PRD.P00", "DEV.P00"], library=landscape.library(
            "journal.txt", ["fail = ItDelete ENTRIES"]))
        self.write_system_list(["PRD.P00", "DEV.P00"])
        fields = (("operation/code", "ItDelete ENTRIES"), ("key", "RFC_ERROR_PROGRAM"),
                  ("status", "ItDelete ENTRIES failed"),
                  ("message", "internal table ENTRIES not deleted"),
                  ("internal status", "ItDelete ENTRIES"))
        self.assertOutput(self.run_program("PRD", "users", "ITEM=dialog:users"),
                          "\n<Prtg>\n\n" + channel("1: PRD.P00", "17") + "RFC error\n" +
                          "".join("%-15s : %s\n" % f for f in fields) +
                          "\n* Programm aborted...\n* Error at EoXput-File...\n", 1)
        self.assertNotIn(b"devhost", self.read_bytes("journal.txt"))

    def test_gateway_of_the_first_system_serves_the_second(self):
        self.write_systems(["PRD.P00", "DEV.P00"], library=landscape.library("j.txt"))
        self.write_profile("PRD.P00", Gwhost="gwprd", Gwservice="sapgw01")
        self.write_profile("DEV.P00", Destination="DEV", Hostname="devhost", Gwhost=None,
                           Gwservice=None)
        self.write_listing(systems=["PRD.P00", "DEV.P00"])
        self.assertRun(self.run_program("GLOBAL", "users"),
                       expected_run(["PRD.P00", "DEV.P00"]))
        opens = [line for line in self.read_bytes("j.txt").splitlines()
                 if line.startswith(b"RfcOpen ")]
        self.assertEqual(len(opens), 2, opens)
        for line in opens:
            self.assertIn(b' gwhost="gwprd" gwservice="sapgw01"', line)
        self.assertIn(b'host="devhost"', opens[1])

    def test_entries_of_the_system_list(self):
        # A missing profile and an empty entry count as systems without a
        # state; a last entry without '#' is taken all the same.
        for directory, first in (("", "GLOBAL"), ("Sensors", None)):
            with self.subTest(directory=directory):
                self.write_lines(self.join(directory, "SAP Lodestar.Gbl"), [
                    gsng("PRD.P00##NIL.P00#"), gsng("DEV.P00"), gsnx(PARAMETERS)])
                self.write_systems(["PRD.P00", "DEV.P00"], directory=directory)
                first = first or self.program_path(directory) + "\\GLOBAL"
                self.assertRun(self.run_program(first, "users"),
                               expected_run(["PRD.P00", "", "NIL.P00", "DEV.P00"]))

    def test_progress_lines(self):
        names = ["PRD.P00", "NIL.P00", "REF.P00", "QAS.P00", "CPU.P00"]
        self.write_systems(names)
        self.write_system_list(names)
        result = self.run_program("PRD", "users # @note", "ITEM=dialog:users")
        self.assertRun(result, expected_run(names, echo="users #"))
        self.write_listing("USERS,Item=dialog:users @x," + MARKER, names)
        self.assertRun(self.run_program("GLOBAL", "users", "$"),
                       expected_run(names, echo="USERS,Item=dialog users"))
        # The markers count on the command line only.
        self.write_listing("USERS,#,Item=dialog:users $," + MARKER, names)
        self.assertRun(self.run_program("GLOBAL", "users"), expected_run(names))


class LabelTest(ListingCase):
    def test_label_kinds(self):
        # Found anywhere in the line, in exact case; ",Sid" wins over all.
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
        for profile, lines, label in (
                ("Berlin.P00", [gsnx(PARAMETERS)], "Berlin.P00"),
                ("Berlin.P00", [gsnx(PARAMETERS + ",Profile")], "Berlin.P00"),
                ("Berlin.P00", [gsnx(PARAMETERS + ",Alias")], "Berlin"),
                ("ABCD", [gsnx(PARAMETERS + ",Alias")], ""),
                ("Berlin.P00", [gsnx(PARAMETERS + ",Host")], "prdhost"),
                ("Berlin.P00", [gsnx(PARAMETERS + ",Sid")], "PRD"),
                ("Berlin.P00", [gsnx("USERS,Sid,Host,Item=dialog:users,Alias," + MARKER)],
                 "PRD"),
                ("Berlin.P00", [gsnx(PARAMETERS + ",host,sid")], "Berlin.P00"),
                ("Berlin.P00", [gsnx(PARAMETERS + ",Host"), gsnx(PARAMETERS)], "prdhost")):
            with self.subTest(profile=profile, lines=lines):
                self.write_profile(profile)
                self.write_lines("SAP Lodestar.Gbl", [gsng(profile + "#")] + lines)
                self.assertOutput(self.run_program("GLOBAL", "users"),
                                  "\n<Prtg>\n\n" + channel("1: " + label, "17") +
                                  summary((1, 1, 0)), 0)

    def test_keywords_of_the_sensor_definition(self):
        self.write_systems(["PRD.P00"])
        self.write_listing("USERS,STATE,Item=Dialog:users," + MARKER + ",Host")
        self.assertOutput(self.run_program("GLOBAL", "users"),
                          "\n<Prtg>\n\n" + channel("1: prdhost", "1", "State") +
                          summary((1, 1, 0), item="Dialog users"), 0)


class MaltrexTest(ListingCase):
    frontend = "Maltrex"

    def test_channel_selection_comes_from_the_sensor_definition(self):
        names = ["PRD.P00", "QAS.P00", "DEV.P00"]
        self.write_systems(names, table="ZMALT")
        self.write_listing(systems=names)
        self.assertOutput(self.run_program("GLOBAL", "users", "CH=1"),
                          "\n\n> 1: PRD.P00: 17 #\n> DEV.P00: 5 #\n"
                          "# (***) dialog users: NoSystems=3, Processed=2, Failed=1\n\n", 0)
        self.write_listing("USERS,CH=2,Item=dialog:users," + MARKER, names)
        self.assertOutput(self.run_program("GLOBAL", "users"), "\n5\n\n", 0)


class ListingFileErrorTest(ListingCase):
    def test_errors_of_the_listing_files(self):
        def message(number, text):
            return "Error %d: %s" % (number, text)
        allocation = message(1029, "Invalid Sensor-Allocation...")
        no_systems = message(1025, "Global Server Listing missing...")
        no_item = message(1026, "Global Item Idenification missing...")
        systems = gsng("PRD.P00#")
        gbl, prf = "SAP Lodestar.Gbl", "Lodestar.Prf"
        for name, lines, args, expected in (
                (gbl, [gsnx("USERS,Item=x"), gsnx(PARAMETERS), systems], (), allocation),
                (gbl, [systems, gsnx(PARAMETERS.replace("Sensor=", "sensor="))], (), allocation),
                (gbl, [systems, gsnx(PARAMETERS[:-1])], (), allocation),
                (gbl, [systems, gsnx(PARAMETERS.replace(",", ",CH=1" + "x" * 120 + ",", 1))],
                 (), allocation),
                (gbl, [gsnx("USERS,CH=1")], (), allocation),
                (gbl, [systems], ("GLOBAL", "users,x", "more"),
                 message(1030, "Global Sensor users,x not found...")),
                (gbl, [systems, gsnx(PARAMETERS)], ("GLOBAL",),
                 message(1030, "Global Sensor  not found...")),
                (gbl, ["; nothing"], (), message(1030, "Global Sensor users not found...")),
                (gbl, [gsnx(PARAMETERS), "# GSNG: USERS       "], (), no_systems),
                (gbl, [gsnx("USERS," + MARKER)], (), no_systems),
                (gbl, [systems, gsnx("USERS,item=x," + MARKER)], (), no_item),
                (gbl, [systems], ("GLOBAL", "users", "ITEM=x"),
                 "Error 1002: Profile Lodestar.Prf is missing..."),
                (prf, ["# GSNG: USERS       PRD.P00#"], ("PRD", "users", "ITEM=x"), no_systems),
                (prf, ["# Gsng: USERS       PRD.P00#"], ("PRD", "users", "ITEM=,x"), no_item),
                (prf, ["# Gsng: USERS       PRD.P00#"], ("PRD", "ITEM="), no_item)):
            with self.subTest(lines=lines, args=args):
                self.write_lines(name, lines)
                self.assertErrorDocument(self.run_program(*(args or ("GLOBAL", "users"))),
                                         expected)
                os.remove(self.path(name))


class BadInputTest(ListingCase):
    def test_every_system_of_a_long_listing_is_polled(self):
        # 5,000 systems, 25 or 200 to a line, in both listing files (under
        # Wine 1,000: it looks up each name in a folder of 5,000 files
        # slowly, which says nothing of the program). Lines are read whole:
        # the tail of a long line is no system line, and a name longer than
        # a profile name holds opens nothing, not the cut name.
        names = ["S%04d.P00" % n for n in range(1000 if self.windows else 5000)]
        long_name = "A" * 100 + ".P00"
        profile = self.read_bytes(self.write_profile(names[0]))
        for name in names[1:] + [long_name[:63]]:
            self.write_bytes(name, profile)
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
        listed = names[:500] + [long_name] + names[500:]
        values, at = [], 0
        while at < len(listed):
            count = 25 if len(values) % 2 == 0 else 200
            values.append(entries(listed[at:at + count]))
            at += count
        expected = "\n<Prtg>\n\n" + "".join(channel("1: " + name, "17") for name in names)
        expected += summary((len(listed), len(names), 0))
        tail = ["x" * 5000, "y" * 199 + gsng("QAS.P00#")]
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       " + v for v in values] + tail)
        self.assertRun(self.run_program("PRD", "users", "ITEM=dialog:users"), expected)
        self.write_lines("SAP Lodestar.Gbl", [gsng(v) for v in values] + tail +
                         [gsnx(PARAMETERS + "," + "z" * 5000)])
        self.assertRun(self.run_program("GLOBAL", "users"), expected)

    def test_binary_content(self):
        # A Ctrl-Z ends a text file, as Windows text mode reads it.
        noise = bytes(b for b in range(256) if b != 0x1a)
        self.write_systems(["PRD.P00"])
        self.write_bytes("BIN.P00", noise * 4)
        self.write_bytes("SAP Lodestar.Gbl", b"\x00\xff" + gsng("QAS.P00#").encode() + b"\r\n" +
                         noise + b"\r\n" + gsng("BIN.P00#\0QAS.P00#").encode() + b"\r\n" +
                         gsng("PRD.P00#").encode() + b"\r\n" + gsnx(PARAMETERS).encode() +
                         b"\r\n\x1a\r\n" + gsng("PRD.P00#").encode() + b"\r\n")
        self.assertRun(self.run_program("GLOBAL", "users"), expected_run(["BIN.P00", "PRD.P00"]))


class WithoutFrontEndTest(ListingCase):
    frontend = None

    def test_listing_file_not_located(self):
        # "@" skips the PRTG search, so no listing file is located.
        self.assertErrorDocument(self.run_program("PRD", "users @", "ITEM=x"),
                                 "Error 1024: ProFile Lodestar.Prf is missing...")
        self.assertErrorDocument(self.run_program("GLOBAL", "users @"),
                                 "Error 10x1: ProFile SAP Lodestar.Gbl is missing...")

    @harness.windows_only
    def test_prtg_global_run(self):
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files"])
        names = ["PRD.P00", "QAS.P00", "REF.P00", "NIL.P00"]
        self.write_systems(names, directory=EXEXML)
        self.write_listing(systems=names, directory=EXEXML)
        program_dir = self.install_program(EXEXML)
        result = self.run_program("GLOBAL", "users", cwd=EXEXML, program_dir=program_dir)
        self.assertOutput(result, "\n<Prtg>\n" + "\n" + channel("1: PRD.P00", "17") +
                          "\n<Text>(***) dialog users: NoSystems=4, Processed=1, Failed=2"
                          "</Text>\n\n</Prtg>\n" + "\n", 0)
