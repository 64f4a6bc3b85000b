"""Opening the connection to a system against the stand-in library: the
options records as the library sees them (its journal), connection strings
through SapRfc.<destination>, refused opens, the RFC error report, the
reason taken from Dev_Rfc.Trc and the probe's own trace Fernwatch.Trc.

A designated front-end (Tessiva) reads the profile PRD.P00 from the working
directory; the runs ask for the sensor USERS of the worked example."""

import os
import subprocess
import sys
import time

import harness
import landscape
import profiles

JOURNAL = "j.txt"
# Further logons of the system PRD, and the gateway that reaches it in R/2 mode.
LOGONS = ("user = ABC", "passwd = abcdefghijk", "user = MONITOR",
          "passwd = ABCDEFGHIJKLMNOPQRST", "user = MONITOR_OF_PRTG_01", "passwd = secret",
          "gwhost = prdhost", "gwserv = sapgw00")
# A second system, reached with the host appsrv01 and the number 02 only.
APP = ["[APP]", "ashost = appsrv01", "sysnr = 02"] + [
    "row = " + row for row in landscape.WORKED_EXAMPLE]
FAILING_CPU = "fail = GET_CPU_ALL failure"
TRACE_OFF = "trace = off"

# Contents that the program or the library must cope with.
GARBAGE = bytes((i * 37 + 11) % 256 for i in range(4096))
BINARY = bytes(b for b in range(256) if b != 0x1A) * 4  # Ctrl-Z ends a text file on Windows
ENDLESS = b"x" * 100000
# The block an earlier run of another system left behind.
EARLIER_BLOCK = (b"**** ERROR file opened at 20250310 090517\r\n"
                 b"LOCATION    stand-in RFC library\r\n"
                 b"ERROR       partner 'devhost:02' not reached\r\n"
                 b"TIME        Mon Mar 10 09:05:17 2025\r\n")

READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "connection_reader.py")


def ok_document():
    def channel(name, value):
        return ("<Result><Channel>%s</Channel>\n<Unit>Custom</Unit>\n"
                "<CustomUnit>#</CustomUnit>\n<Value>%s</Value></Result>\n\n" % (name, value))
    return ("\n<Prtg>\n\n" + channel("1: Dialog users", 17) + channel("Batch users", 2) +
            "<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\n\n</Prtg>\n")


def open_failed(destination="PRD"):
    return harness.error_document("Error 1011: RFC-Open for %s failed !" % destination)


def saprfc_line(destination="PRD"):
    """The note that the logon goes through SapRfc.ini: on standard error
    in the XML forms, where it cannot break the document."""
    return "* SapRfc.Ini.......: %s<\n" % destination


def saprfc_entry(destination="PRD", filler=b""):
    return b"DEST=%s\r\nASHOST=prdhost SYSNR=00\r\n" % destination.encode() + filler


def rfc_error_report(operation, key, status, message, intstat):
    fields = (("operation/code", operation), ("key", key), ("status", status),
              ("message", message), ("internal status", intstat))
    return ("RFC error\n" + "".join("%-15s : %s\n" % field for field in fields) +
            "\n* Programm aborted...\n* Error at EoXput-File...\n")


def open_line(mode=0, user="MONITOR     ", password="secret    ", host='"prdhost"', sysnr=0,
              gateway='gwhost="prdhost" gwservice="sapgw00"'):
    """The library's journal line of RfcOpen for the profile PRD.P00."""
    line = ('RfcOpen mode=%d destination="PRD" client="100" user="%s" password="%s" '
            'language="E" ' % (mode, user, password))
    if mode == 0:
        line += "host=%s sysnr=%d " % (host, sysnr)
    return line + gateway


# A host or system number override reaches another server through its own
# gateway, which the library finds when none is passed.
OWN_GATEWAY = "gwhost=(null) gwservice=(null)"


class ConnectionTest(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")

    # --- helpers ------------------------------------------------------

    def prepare(self, system=(), library=(), others=(), password="secret", **profile):
        """The profile PRD.P00 and a landscape whose system PRD holds the
        worked example; files of an earlier run are removed."""
        self.write_profile("PRD.P00", profiles.encode(password), **profile)
        lines = landscape.system(rows=landscape.WORKED_EXAMPLE, settings=system) + list(others)
        self.write_lines("RfcSim.ini", lines + landscape.library(JOURNAL, library))
        for name in (JOURNAL, "Dev_Rfc.Trc", "Fernwatch.Trc", "SapRfc.PRD", "SapRfc.ini"):
            if os.path.exists(self.path(name)):
                os.remove(self.path(name))

    def journal(self, head):
        text = self.read_bytes(JOURNAL).decode("latin-1")
        return [line for line in text.splitlines() if line.startswith(head)]

    def saprfc_files(self):
        """SapRfc.ini and any temporary copy left beside it."""
        return sorted(n for n in os.listdir(self.dir) if n.lower().startswith("saprfc.ini"))

    def program_as_started(self):
        program = os.path.join(self.bin_dir, harness.program_file(harness.PROGRAM))
        return self.prefix.windows_path(program) if self.windows else program

    # --- refused opens ------------------------------------------------

    def test_refused_opens(self):
        refusals = (
            ("no system on the host", landscape.system(ashost="otherhost"), "PRD"),
            ("refused", landscape.system(settings=["fail = open refused"]), "PRD"),
            ("logon", landscape.system(settings=["fail = open logon"]), "PRD"),
            ("wrong password", landscape.system(passwd="other"), "PRD"),
            ("wrong client", landscape.system(client="200"), "PRD"),
            ("destination named", landscape.system(settings=["fail = open refused"]), "QAS"),
        )
        for name, lines, destination in refusals:
            with self.subTest(name):
                self.write_profile("PRD.P00", Destination=destination)
                self.write_lines("RfcSim.ini", lines)
                self.assertOutput(self.run_program("PRD", "USERS"), open_failed(destination), 2)

    def test_unusable_landscape_refuses(self):
        self.write_profile("PRD.P00")
        for name, content in (("missing", None), ("empty", b""), ("garbage", GARBAGE)):
            with self.subTest(name):
                if content is not None:
                    self.write_bytes("RfcSim.ini", content)
                self.assertOutput(self.run_program("PRD", "USERS"), open_failed(), 2)

    # --- the options records ------------------------------------------

    def test_options_records_as_the_library_sees_them(self):
        cases = (
            # (profile values, password, arguments after USERS, RfcOpen line, logged on)
            ({"User": "abc"}, "abcdefghijk", "",
             open_line(user="ABC         ", password="abcdefghijk"), True),
            ({}, "ABCDEFGHIJKLMNOPQRST", "", open_line(password="ABCDEFGHIJKLMNOPQRST"), True),
            ({"User": "monitor_of_prtg_01"}, "secret", "", open_line(user="MONITOR_OF_PRTG_01"),
             True),
            ({}, "secret", "", open_line(), True),
            ({"Mode": "R/2"}, "secret", "", open_line(mode=1), True),
            ({"Mode": "r/2"}, "secret", "", open_line(), True),
            ({"Mode": "R/2 "}, "secret", "", open_line(), True),
            ({}, "secret", ",HOST=", open_line(host="(null)", gateway=OWN_GATEWAY), False),
            ({}, "secret", ",HOST=appsrv01",
             open_line(host='"appsrv01"', gateway=OWN_GATEWAY), False),
            ({}, "secret", ",NO=02", open_line(sysnr=2, gateway=OWN_GATEWAY), False),
            ({}, "secret", ",Host=AppSrv01,no=02",
             open_line(host='"AppSrv01"', sysnr=2, gateway=OWN_GATEWAY), True),
            ({"Mode": "R/2"}, "secret", ",HOST=appsrv01,NO=02", open_line(mode=1), True),
            ({"Sysnr": "05"}, "secret", "", open_line(sysnr=5), False),
            # An empty number is not set: the first open of a run keeps 0.
            ({"Sysnr": "05"}, "secret", ",NO=", open_line(gateway=OWN_GATEWAY), True),
        )
        for values, password, extra, line, logged_on in cases:
            with self.subTest(values=values, password=password, args=extra):
                self.prepare(LOGONS, others=APP, password=password, **values)
                result = self.run_program("PRD", "USERS" + extra)
                if logged_on:
                    self.assertOutput(result, ok_document(), 0)
                else:
                    self.assertOutput(result, open_failed(), 2)
                self.assertEqual(self.journal("RfcOpen"), [line])

    # --- SapRfc.<destination> -----------------------------------------

    def test_connection_string_through_saprfc_ini(self):
        cases = (
            ("entry", saprfc_entry(filler=b"\x00\xff\r\r\n; end"), ok_document(), 0),
            ("garbage", GARBAGE, open_failed(), 2),
            ("empty", b"", open_failed(), 2),
        )
        for name, content, document, status in cases:
            with self.subTest(name):
                self.prepare(Language="F")  # the string always asks for LANG=D
                self.write_bytes("SapRfc.ini", b"an older, longer configuration\r\n" * 400)
                self.write_bytes("SapRfc.PRD", content)
                result = self.run_program("PRD", "USERS")
                self.assertOutput(result, document, status, stderr=saprfc_line())
                self.assertEqual(self.read_bytes("SapRfc.ini"), content)
                self.assertEqual(self.journal("RfcOpen"), [
                    'RfcOpenEx "CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD"'])
                self.assertEqual(self.saprfc_files(), ["SapRfc.ini"])

    def test_destination_with_separators_names_no_file(self):
        # SapRfc.\..\..\abcd would reach the file abcd two directories up;
        # such a destination logs on with the records instead.
        destination = r"\..\..\abcd"
        self.write_profile(r"w\PRD.P00", Destination=destination)
        self.write_lines(r"w\RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE) +
                         landscape.library(JOURNAL))
        self.write_bytes("abcd", saprfc_entry(destination))
        if not self.windows:
            os.mkdir(self.path("w/SapRfc."))  # so that the host resolves the name as Windows does
        result = self.run_program("PRD", "USERS", cwd="w")
        self.assertOutput(result, ok_document().replace("(PRD)", "(%s)" % destination), 0)
        opens = [line for line in self.read_bytes(r"w\j.txt").decode().splitlines()
                 if line.startswith("RfcOpen")]
        self.assertEqual(opens, [open_line().replace('"PRD"', '"%s"' % destination)])
        self.assertFalse(os.path.exists(self.path(r"w\SapRfc.ini")))

    def test_saprfc_ini_that_cannot_be_written(self):
        # No connection is tried without the destination's configuration.
        self.prepare()
        self.write_bytes("SapRfc.PRD", saprfc_entry())
        os.mkdir(self.path("SapRfc.ini"))
        result = self.run_program("PRD", "USERS")
        self.assertOutput(result, open_failed(), 2, stderr=saprfc_line())
        self.assertEqual(self.journal("RfcOpen"), [])
        self.assertEqual(self.saprfc_files(), ["SapRfc.ini"])

    def test_copies_of_killed_polls_do_not_pile_up(self):
        # A poll killed during its copy of SapRfc.<destination> leaves its
        # temporary file; the next poll that holds the lock removes such
        # files of ended processes, and never another file.
        self.prepare()
        self.write_bytes("SapRfc.PRD", saprfc_entry(filler=b"; filler line\r\n" * 3000000))
        kept = ["SapRfc.ini.old", "SapRfc.ini.12.tmp", "SapRfc.ini.tmp.x"]
        for name in kept:
            self.write_bytes(name, b"left")
        for _ in range(3):
            poll = self.start_program("PRD", "USERS")
            try:
                while "SapRfc.ini.tmp" not in self.saprfc_files() and poll.poll() is None:
                    time.sleep(0.001)
            finally:
                poll.kill()
                poll.wait()
        self.assertIn("SapRfc.ini.tmp", self.saprfc_files(), "killed during its copy")
        # The copy of a poll that went on without the lock, by a process
        # id that no process has.
        self.write_bytes("SapRfc.ini.4000000.1234.tmp", b"left")
        self.write_bytes("SapRfc.PRD", saprfc_entry())
        self.assertOutput(self.run_program("PRD", "USERS"), ok_document(), 0, stderr=saprfc_line())
        self.assertEqual(self.saprfc_files(), sorted(["SapRfc.ini"] + kept))

    def test_saprfc_ini_is_replaced_whole(self):
        # Another poll reading SapRfc.ini while runs of two destinations
        # replace it finds one of the files whole, never a mixture.
        self.write_profile("PRD.P00")
        self.write_profile("QAS.P00", Destination="QAS")
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
        sources = {"PRD": saprfc_entry("PRD", b"; PRD filler line\r\n" * 80000),
                   "QAS": saprfc_entry("QAS", b"; QAS  filler  line\r\n" * 70000)}
        for destination, content in sources.items():
            self.write_bytes("SapRfc." + destination, content)
        self.write_bytes("SapRfc.ini", b"DEST=NONE\r\n")
        self.write_bytes("initial.ini", b"DEST=NONE\r\n")
        candidates = [self.path(n) for n in ("SapRfc.PRD", "SapRfc.QAS", "initial.ini")]
        with open(self.path("reader.out"), "wb") as out:
            reader = subprocess.Popen(
                [sys.executable, READER, self.path("SapRfc.ini"), self.path("reader.ready"),
                 self.path("reader.stop")] + candidates, stdout=out)
        try:
            for _ in range(6000):  # until the reader has read once
                if os.path.exists(self.path("reader.ready")) or reader.poll() is not None:
                    break
                time.sleep(0.01)
            runs = 2 if self.windows else 6
            for destination in ("PRD", "QAS") * runs:
                result = self.run_program(destination, "USERS")
                document = ok_document().replace("(PRD)", "(%s)" % destination)
                self.assertOutput(result, document, 0, stderr=saprfc_line(destination))
        finally:
            self.write_bytes("reader.stop", b"")
            reader.wait(harness.RUN_SECONDS)
        reads, torn = self.read_bytes("reader.out").split()[:2]
        self.assertEqual(int(torn), 0, self.read_bytes("reader.out"))
        self.assertGreater(int(reads), 1)

    # --- the RFC error report -----------------------------------------

    def test_rfc_error_report(self):
        connection_error = ("RFC_ERROR_COMMUNICATION", "CONNECT_FAILED")
        cases = (
            # (system settings, library settings, SapRfc.PRD, standard error,
            # report fields)
            (["fail = open handler"], [], None, "",
             ("RfcOpen",) + connection_error + ("RfcOpen", "RfcOpen")),
            (["fail = open handler gateway sapgw00 down"], [], None, "",
             ("gateway sapgw00 down",) + connection_error + ("gateway sapgw00 down", "RfcOpen")),
            (["fail = open handler"], [], saprfc_entry(), saprfc_line(),
             ("RfcOpen",) + connection_error + ("RfcOpen", "RfcOpenEx")),
            ([], ["fail = ItCreate TF_CPU_ALL"], None, "",
             ("ItCreate TF_CPU_ALL", "RFC_ERROR_PROGRAM", "ItCreate TF_CPU_ALL failed",
              "internal table TF_CPU_ALL not created", "ItCreate TF_CPU_ALL")),
        )
        for system, library, saprfc, note, fields in cases:
            with self.subTest(system=system, library=library, saprfc=saprfc is not None):
                self.prepare(system, library)
                if saprfc is not None:
                    self.write_bytes("SapRfc.PRD", saprfc)
                result = self.run_program("PRD", "USERS")
                self.assertOutput(result, rfc_error_report(*fields), 1, stderr=note)

    # --- the reason from Dev_Rfc.Trc ----------------------------------

    def test_reason_from_the_trace_file(self):
        failure = "Error 1014: RFC-Failure raised !"
        cases = (
            # (system settings, library settings, Dev_Rfc.Trc before the run, message)
            ([FAILING_CPU], [], None, failure + " - connection to partner broken"),
            ([FAILING_CPU + " line down"], [], None, failure + " - line down"),
            (["fail = GET_CPU_ALL sysexception"], [], None,
             "Error 1013: Sys-Exception raised ! - GET_CPU_ALL raised SYSTEM_FAILURE"),
            ([FAILING_CPU], [TRACE_OFF], None, failure + " - Look for Trace-File"),
            ([FAILING_CPU], [], BINARY, failure + " - connection to partner broken"),
            ([FAILING_CPU], [], ENDLESS, failure + " - connection to partner broken"),
            ([FAILING_CPU], [TRACE_OFF], BINARY, failure + " - Please Check Trace-File !"),
            ([FAILING_CPU], [TRACE_OFF], ENDLESS, failure + " - Please Check Trace-File !"),
            # What the file held before the open is an earlier run's reason.
            ([FAILING_CPU], [TRACE_OFF], EARLIER_BLOCK, failure + " - Please Check Trace-File !"),
            ([FAILING_CPU], [], EARLIER_BLOCK, failure + " - connection to partner broken"),
        )
        for system, library, before, message in cases:
            with self.subTest(system=system, library=library,
                              before=None if before is None else before[:12]):
                self.prepare(system, library)
                if before is not None:
                    self.write_bytes("Dev_Rfc.Trc", before)
                self.assertErrorDocument(self.run_program("PRD", "USERS"), message)
                # The trace file stays after an error exit.
                self.assertEqual(os.path.exists(self.path("Dev_Rfc.Trc")),
                                 before is not None or not library)

    def test_reason_written_during_the_run(self):
        # The library plants the bytes of planted.trc for each failure block
        # and each exception of this run, after what an earlier run left.
        exception = "Error 1012: Exception.: NOT_AUTHORIZED"
        cases = (
            # (Dev_Rfc.Trc before the run, planted block or None, message)
            (EARLIER_BLOCK, None, exception + " - Please Check Trace-File !"),
            (EARLIER_BLOCK, b"ERROR       planted\r\n", exception + " - planted"),
            (ENDLESS, b"ERROR       after a line begun before\n",
             exception + " - Please Check Trace-File !"),
            # This run's lines arrive in pieces of 99 characters, each judged alone.
            (EARLIER_BLOCK, b"x" * 99 + b"ERROR       in a piece\n", exception + " - in a piece"),
            (EARLIER_BLOCK, b"x" * 98 + b"ERROR       in a piece\n",
             exception + " - Please Check Trace-File !"),
        )
        for before, planted, message in cases:
            with self.subTest(before=before[:12], planted=planted):
                library = [] if planted is None else ["trace_block = planted.trc"]
                self.prepare(["fail = GET_CPU_ALL exception NOT_AUTHORIZED"], library)
                self.write_bytes("Dev_Rfc.Trc", before)
                if planted is not None:
                    self.write_bytes("planted.trc", planted)
                self.assertErrorDocument(self.run_program("PRD", "USERS"), message)

    # --- the probe's own trace ----------------------------------------

    def test_syslog_trace(self):
        calls = ["1 RfcCall called ", "1 RfcReceive called "] * 3
        cases = (
            # (arguments, SapRfc.PRD, standard output, status, lines after the start)
            ("USERS,SYSLOG", None, ok_document(), 0, ["1 RfcOpen called "] + calls),
            ("USERS,syslog", saprfc_entry(), ok_document(), 0, ["1 RfcOpenEx called "] + calls),
            ("USERS,SYSLOG", b"", open_failed(), 2, ["0 RfcOpenEx called "]),
            ("USERS", None, ok_document(), 0, None),
        )
        for args, saprfc, stdout, status, lines in cases:
            note = saprfc_line() if saprfc is not None else ""
            with self.subTest(args=args, saprfc=saprfc):
                self.prepare()
                if saprfc is not None:
                    self.write_bytes("SapRfc.PRD", saprfc)
                result = self.run_program("PRD", args)
                self.assertOutput(result, stdout, status, stderr=note)
                if lines is None:
                    self.assertFalse(os.path.exists(self.path("Fernwatch.Trc")))
                    continue
                start = ["0 program started " + self.program_as_started(),
                         "0 RfcEnvironment called "]
                trace = self.read_bytes("Fernwatch.Trc")
                self.assertEqual(trace, self.expected("".join(l + "\n" for l in start + lines)))
                self.assertNotIn(b"secret", trace)
