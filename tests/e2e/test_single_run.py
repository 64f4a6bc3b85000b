"""A single-system run from the located profile to the printed document:
the PRTG poll, the selection of rows, progress lines, failed probes and
evaluations with the reason from the trace file, the RFC error report, and
tables the program must survive."""

import os
import re

import harness
import landscape

EXEXML = r"C:\Program Files\PRTG Network Monitor\Custom Sensors\EXEXML"
BANNER = "* <t0> SAP Fernwatch Vers 4.3 / 29.08.22\n"
TRACE = "Dev_Rfc.Trc"


def channel(name, value, unit="#"):
    units = "\n<Unit>Custom</Unit>\n<CustomUnit>%s</CustomUnit>" % unit if unit else ""
    return "\n<Result><Channel>%s</Channel>%s\n<Value>%s</Value></Result>\n" % (name, units, value)


def document(channels, status):
    """The PRTG XML document of a successful run; `channels` are
    (name, value, unit) triples."""
    return ("\n<Prtg>\n" + "".join(channel(*c) for c in channels) +
            "\n<Text>%s</Text>\n" % status + "\n</Prtg>\n")


def sensor_status(word, title="User-Sensor not found..."):
    return "(PRD) User-Sensor: %s, %s " % (word, title)


NO_ENTRIES = document([], "(PRD) Fernwatch: No Table-Entries defined / found... ")
USERS = document([("1: Dialog users", "17"), ("Batch users", "2")],
                 sensor_status("USERS", "Logged-on users"))


def progress(parameters, body, processed=True):
    """Progress lines around `body`; <tN> stands for a time hh:mm:ss, the
    same N for the same time."""
    lines = (BANNER + "* <t1> PRD.P00, prdhost, PRD, 00, 100 State=Processing\n" +
             "* <t1> Fernwatch - %s State=Executing\n" % parameters + body)
    return lines + ("\n* <t2> SAP Fernwatch now processed...\n" if processed else "")


def rfc_error_report(operation, message):
    """The report for a failed internal-table operation of the stand-in."""
    fields = (("operation/code", operation), ("key", "RFC_ERROR_PROGRAM"),
              ("status", operation + " failed"), ("message", message),
              ("internal status", operation))
    return ("RFC error\n" + "".join("%-15s : %s\n" % f for f in fields) +
            "\n* Programm aborted...\n* Error at EoXput-File...\n")


def raw(*fields):
    """A row given whole: the fields at their columns, each padded."""
    widths = (10, 2, 32, 1, 10, 8)
    return "ZPRTG|" + "".join(f.ljust(w) for f, w in zip(fields, widths))


class SingleRunCase(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")
        self.write_profile("PRD.P00")

    def poll(self, *args, rows=landscape.WORKED_EXAMPLE, settings=(), library=()):
        lines = landscape.system(rows=rows, settings=settings)
        self.write_lines("RfcSim.ini", lines + landscape.library(settings=library))
        return self.run_program("PRD", *args)

    def assertProgress(self, result, text, status):
        """Like assertOutput, with each <tN> matching a time of day."""
        pieces = re.split(rb"<(t\d)>", self.expected(text))
        pattern, seen = re.escape(pieces[0]), set()
        for group, piece in zip(pieces[1::2], pieces[2::2]):
            clock = b"(?P=%s)" if group in seen else b"(?P<%s>[0-2][0-9]:[0-5][0-9]:[0-5][0-9])"
            pattern += clock % group + re.escape(piece)
            seen.add(group)
        self.assertTrue(re.fullmatch(pattern, result.stdout),
                        "in %s: %r\nexpected %r" % (self.dir, result.stdout, text))
        self.assertEqual((result.status, result.stderr), (status, b""))


class PrtgPollTest(harness.FernwatchCase):
    @harness.windows_only
    def test_poll_from_the_prtg_sensor_directory(self):
        # PRTG starts the program in its sensor directory, which holds the
        # profile, the landscape and the library's trace file.
        program_dir = self.install_program(EXEXML)
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files"])
        self.write_profile(EXEXML + r"\PRD.P00")
        self.write_lines(EXEXML + r"\RfcSim.ini", landscape.system(rows=[
            landscape.row("ZPRTG", "USERS", "*", "Logged-on users", "", ""),
            landscape.row("ZPRTG", "USERS", "01", "Users", "A", "17", "")]))
        self.write_bytes(EXEXML + "\\" + TRACE, b"**** ERROR file opened at 20250310 090517\n")
        result = self.run_program("PRD", "USERS", cwd=EXEXML, program_dir=program_dir)
        self.assertEqual(result.stdout, b"\r\n<Prtg>\r\n\r\n<Result><Channel>A: Users</Channel>"
                         b"\r\n<Unit>Custom</Unit>\r\n<CustomUnit>#</CustomUnit>\r\n<Value>17"
                         b"</Value></Result>\r\n\r\n<Text>(PRD) User-Sensor: USERS, Logged-on "
                         b"users </Text>\r\n\r\n</Prtg>\r\n")
        self.assertEqual((result.status, result.stderr), (0, b""))
        self.assertFalse(os.path.exists(self.path(EXEXML + "\\" + TRACE)))


class SelectionTest(SingleRunCase):
    ROWS = [
        landscape.row("ZPRTG", "BLANK", "*", "Blank fields", "", ""),
        landscape.row("ZPRTG", "BLANK", "01", "Nothing", "", ""),
        landscape.row("ZPRTG", "BLANK", "02", "Spaces", "", "   ", "   "),
        landscape.row("ZPRTG", "BLANK", "", "  Lead", "", "  7", "  MB"),
        landscape.row("ZPRTG", "LONGSENSOR", "*", "Long title", "", ""),
        landscape.row("ZPRTG", "LONGSENSOR", "01", "Long data", "", "1"),
        landscape.row("ZPRTG", "users", "*", "lower title", "", ""),
        landscape.row("ZPRTG", "users", "01", "lower data", "", "9"),
        landscape.row("ZPRTG", "USERS", "*", "Logged-on users", "", ""),
        landscape.row("ZPRTG", "USERS", "01", "Dialog users", "1", "17"),
        landscape.row("ZPRTG", "", "01", "No sensor", "", "4"),
        landscape.row("ZPRTG", "USERS", "*x", "Users again", "", ""),
    ]
    CASES = (
        (("BLANK",), [("Nothing", "0"), ("Spaces", "0"), ("  Lead", "  7", "  MB")],
         sensor_status("BLANK", "Blank fields")),
        # Ten characters of the word are compared; the text shows it whole.
        (("LONGSENSORWORD",), [("Long data", "1")], sensor_status("LONGSENSORWORD", "Long title")),
        (("LONGSENSOR", "x"), [("Long data", "1")], sensor_status("LONGSENSOR", "Long title")),
        (("LONGSENSO",), [], sensor_status("LONGSENSO")),
        # The word is upper-cased; rows are compared as stored, and the last
        # header row of the sensor gives the title.
        (("users",), [("1: Dialog users", "17")], sensor_status("USERS", "Users again")),
        (("Users,State",), [("1: Dialog users", "1", "State")],
         sensor_status("USERS", "Users again")),
        ((",STATE",), [("No sensor", "", "State")], sensor_status("")),
        (("XSENSOR(S)X,STATE",),
         [("BLANK, Blank fields", "0"), ("LONGSENSOR, Long title", "0"),
          ("users, lower title", "0"), ("USERS, Logged-on users", "0"),
          ("USERS, Users again", "0")],
         "(PRD) SAP User-Sensor(s) Overview... "),
    )

    def test_rows_selected_and_fields_read(self):
        for args, channels, status in self.CASES:
            with self.subTest(args=args):
                self.assertOutput(self.poll(*args, rows=self.ROWS), document(channels, status), 0)

    def test_declared_empty_table(self):
        # Reported, not an error; without progress lines the status is the
        # table read's return code.
        self.assertOutput(self.poll("USERS", rows=(), settings=["table = ZPRTG"]), NO_ENTRIES, 2)
        result = self.poll("USERS", "#", rows=(), settings=["table = ZPRTG"])
        self.assertProgress(result, progress("USERS ", NO_ENTRIES), 0)

    def test_slow_system(self):
        self.assertOutput(self.poll("USERS", settings=["delay = 200"]), USERS, 0)


class ProgressTest(SingleRunCase):
    def test_progress_lines_around_the_document(self):
        not_found = document([], sensor_status("(PARAMETERS"))
        for args, parameters, body in (
                (("USERS", "#"), "USERS ", USERS),
                # A marker glued to the word belongs to the sensor word.
                (("USERS#", "more"), "USERS", document([], sensor_status("USERS#"))),
                (("USERS@x", "#"), "USERS", document([], sensor_status("USERS@X"))),
                (("USERS", "$"), "USERS $", USERS),
                (("USERS", "%"), "USERS %", USERS),
                (("(Parameters", "#"), "(No Parameters)", not_found),
                (("(No", "#"), "(No Parameters)", document([], sensor_status("(NO"))),
                (("#",), "(No Parameters)", document([], sensor_status("#")))):
            with self.subTest(args=args):
                self.assertProgress(self.poll(*args), progress(parameters, body), 0)

    def test_failed_probe_after_progress_lines(self):
        result = self.poll("USERS", "#", settings=["fail = GET_CPU_ALL failure"])
        body = harness.error_document(
            "Error 1014: RFC-Failure raised ! - connection to partner broken")
        self.assertProgress(result, progress("USERS ", body, processed=False), 2)


class FailureTest(SingleRunCase):
    # (settings, library settings, message of the error document, whether the
    # library left a trace file)
    CASES = (
        (["fail = GET_CPU_ALL failure"], (),
         "Error 1014: RFC-Failure raised ! - connection to partner broken", True),
        (["fail = GET_CPU_ALL failure link down"], (),
         "Error 1014: RFC-Failure raised ! - link down", True),
        (["fail = GET_CPU_ALL exception NAME"], (),
         "Error 1012: Exception.: NAME - Look for Trace-File", False),
        (["fail = GET_CPU_ALL sysexception"], (),
         "Error 1013: Sys-Exception raised ! - GET_CPU_ALL raised SYSTEM_FAILURE", True),
        (["fail = GET_CPU_ALL rc 7"], (), "Error 1015: Other Failure raised ! - Look for Trace-File",
         False),
        (["fail = GET_CPU_ALL rc 1"], (),
         "Error 1014: RFC-Failure raised ! - connection to partner broken", True),
        (["fail = GET_CPU_ALL failure"], ["trace = off"],
         "Error 1014: RFC-Failure raised ! - Look for Trace-File", False),
        # An ignored landscape line leaves a warning block, which names no reason.
        (["fail = GET_CPU_ALL exception NAME", "colour = blue"], (),
         "Error 1012: Exception.: NAME - Please Check Trace-File !", True),
        (["fail = RFC_SYSTEM_INFO failure"], (),
         "Error 1014: RFC-Failure raised ! - connection to partner broken", True),
        (["fail = RFC_SYSTEM_INFO exception BUSY"], (),
         "Error 1012: Exception.: BUSY - Look for Trace-File", False),
        (["fail = RFC_SYSTEM_INFO sysexception"], (),
         "Error 1013: Sys-Exception raised ! - RFC_SYSTEM_INFO raised SYSTEM_FAILURE", True),
        (["fail = RFC_SYSTEM_INFO rc 9"], (),
         "Error 1015: Other Failure raised ! - Look for Trace-File", False),
        (["fail = RFC_GET_TABLE_ENTRIES failure"], (),
         "Error 1014: RFC-Failure raised ! - connection to partner broken", True),
        (["fail = RFC_GET_TABLE_ENTRIES sysexception no table service"], (),
         "Error 1013: Sys-Exception raised ! - no table service", True),
        (["fail = RFC_GET_TABLE_ENTRIES exception NOT_AUTHORIZED"], (),
         "Error 1012: Exception.: NOT_AUTHORIZED - Look for Trace-File", False),
        (["fail = RFC_GET_TABLE_ENTRIES rc 200"], (),
         "Error 1015: Other Failure raised ! - Look for Trace-File", False),
        # Exception names are copied into 256 bytes: 255 characters arrive.
        (["fail = GET_CPU_ALL exception " + "E" * 300], (),
         "Error 1012: Exception.: %s - Look for Trace-File" % ("E" * 255), False),
        (["fail = RFC_GET_TABLE_ENTRIES exception " + "T" * 300], (),
         "Error 1012: Exception.: %s - Look for Trace-File" % ("T" * 255), False),
        (["fail = open refused"], (), "Error 1011: RFC-Open for PRD failed !", True),
    )

    def test_failures_end_in_the_error_document(self):
        for settings, library, message, traced in self.CASES:
            with self.subTest(settings=settings, library=library):
                result = self.poll("USERS", settings=settings, library=library)
                self.assertErrorDocument(result, message)
                self.assertEqual(os.path.exists(self.path(TRACE)), traced)
                if traced:
                    os.remove(self.path(TRACE))

    def test_missing_sensor_table(self):
        # The system has user sensors, but only in another front-end's table.
        result = self.poll("USERS", rows=landscape.sensor_rows("ZBRIX"))
        self.assertErrorDocument(
            result, "Error 1012: Exception.: TABLE_NOT_FOUND - Look for Trace-File")

    def test_trace_file_kept_after_error_and_deleted_after_success(self):
        self.poll("USERS", settings=["fail = GET_CPU_ALL failure"])
        self.assertTrue(os.path.exists(self.path(TRACE)))
        self.assertOutput(self.poll("USERS"), USERS, 0)
        self.assertFalse(os.path.exists(self.path(TRACE)))

    def test_failed_table_operations_end_in_the_rfc_error_report(self):
        # What the evaluation printed before stays, unfinished.
        for operation, message, printed in (
                ("ItCreate ENTRIES", "internal table ENTRIES not created", ""),
                ("ItGetLine ENTRIES", "line 1 of ENTRIES not read", "\n<Prtg>\n"),
                ("ItDelete ENTRIES", "internal table ENTRIES not deleted",
                 "\n<Prtg>\n" + channel("1: Dialog users", "17") + channel("Batch users", "2")),
                ("ItCreate TF_CPU_ALL", "internal table TF_CPU_ALL not created", "")):
            with self.subTest(operation=operation):
                result = self.poll("USERS", library=["fail = " + operation])
                self.assertOutput(result, printed + rfc_error_report(operation, message), 1)
        result = self.poll("USERS", "#", library=["fail = ItCreate ENTRIES"])
        report = rfc_error_report("ItCreate ENTRIES", "internal table ENTRIES not created")
        self.assertProgress(result, progress("USERS ", report, processed=False), 1)


class TableContentTest(SingleRunCase):
    def test_binary_and_odd_rows(self):
        # A zero byte ends a field, short rows read as blank fields and what
        # lies beyond the row is not read. Every byte arrives as the
        # Windows-1252 character it stands for, written as XML content:
        # above 0x7E as a character reference, a control character other
        # than TAB, LF and CR as a blank.
        controls = "".join(chr(c) for c in range(1, 32) if c != 10)
        high = "".join(chr(c) for c in range(0x80, 0xa0))
        cases = (
            (raw("USERS", "01", controls, "\xff", "1\x1b[2J", "\x80\xff"),
             ("\xff: " + controls, "1\x1b[2J", "\x80\xff")),
            (raw("USERS", "02", high, "", "\xa0\xfe"), (high, "\xa0\xfe")),
            (raw("USERS", "03", "Dia\x00log", "\x00", "1\x007", "M\x00B"), ("Dia", "1", "M")),
            (raw("USE\x01RS", "04", "Not selected", "", "1"), None),
            ("ZPRTG|USERS     05Short", ("Short", "0")),
            ("ZPRTG|USERS", ("", "0")),
            (raw("USERS", "07", "Long row", "", "5", "kB") + "Z" * 600, ("Long row", "5", "kB")),
        )
        header = [landscape.row("ZPRTG", "USERS", "*", "Logged-on users", "", "")]
        for row_line, expected in cases:
            with self.subTest(row=row_line[:70]):
                result = self.poll("USERS", rows=header, settings=["raw = " + row_line])
                channels = [tuple(map(harness.xml_content, expected))] if expected else []
                self.assertOutput(result, document(channels, sensor_status(
                    "USERS", "Logged-on users")), 0)

    def test_table_of_ten_thousand_rows(self):
        rows = [landscape.row("ZPRTG", "USERS", "*", "Logged-on users", "", "")]
        rows += [landscape.row("ZPRTG", "USERS", "%02d" % (i % 100), "Row %d" % i, "", str(i))
                 for i in range(1, 10000)]
        expected = document([("Row %d" % i, str(i)) for i in range(1, 10000)],
                            sensor_status("USERS", "Logged-on users"))
        self.assertOutput(self.poll("USERS", rows=rows), expected, 0)
