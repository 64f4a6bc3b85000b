"""Documents a monitor can always read. Whatever bytes a table, the
arguments or the library hand over, an XML-form document is pure ASCII and
well-formed (harness.run_program holds every one to that); the note of a
destination file stays beside the document; and a document that did not
reach the caller is never reported as a success."""

import os
import subprocess

import harness
import landscape
from landscape import row


def channel(name, value, unit="#"):
    return ("\n<Result><Channel>%s</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>%s"
            "</CustomUnit>\n<Value>%s</Value></Result>\n" % (name, unit, value))


class DocumentsTest(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")
        self.write_profile("PRD.P00")

    def poll(self, *args, rows=(), settings=()):
        self.write_lines("RfcSim.ini", landscape.system(rows=rows, settings=settings))
        return self.run_program("PRD", *args)

    def test_code_page_and_control_characters(self):
        # The library hands over Windows-1252: each character above 0x7E
        # arrives as its reference, a control character as a blank.
        rows = [row("ZPRTG", "SIZES", "*", "Gr\xf6\xdfe der Tabellen", "", ""),
                row("ZPRTG", "SIZES", "01", "Gr\xf6\xdfe \x80", "\xdc", "12", "\xb5s"),
                row("ZPRTG", "SIZES", "02", "A\x01B\x1bC\x7f", "", "1\t2")]
        self.assertOutput(self.poll("sizes", rows=rows),
                          "\n<Prtg>\n" +
                          channel("&#xDC;: Gr&#xF6;&#xDF;e &#x20AC;", "12", "&#xB5;s") +
                          channel("A B C&#x7F;", "1\t2") +
                          "\n<Text>(PRD) User-Sensor: SIZES, Gr&#xF6;&#xDF;e der Tabellen "
                          "</Text>\n\n</Prtg>\n", 0)
        # The error document echoes what it names the same way. Wine hands
        # the program its argument in the ANSI code page; natively the
        # program gets the bytes of the UTF-8 argument, each read as a
        # Windows-1252 character.
        typed = "Gr\xfc\xdfe"
        received = typed if self.windows else typed.encode("utf-8").decode("latin-1")
        self.assertErrorDocument(self.run_program(typed, "USERS"), "Error 1002: Profile %s.P00 "
                                 "is missing..." % harness.xml_content(received))

    def test_exception_names_are_content_written_once(self):
        failing = ["fail = RFC_GET_TABLE_ENTRIES exception A&B<C>&amp;"]
        self.assertErrorDocument(
            self.poll("USERS", rows=landscape.WORKED_EXAMPLE, settings=failing),
            "Error 1012: Exception.: A&amp;B&lt;C&gt;&amp;amp; - Look for Trace-File")
        # A listing run leaves the last system's error text ahead of its
        # summary, as content; the text an empty table leaves is markup.
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       PRD.P00#"])
        result = self.poll("USERS", "ITEM=Dialog:users", rows=landscape.WORKED_EXAMPLE,
                           settings=failing)
        self.assertOutput(result, "\n<Prtg>\n\nError 1012: Exception.: A&amp;B&lt;C&gt;&amp;amp;"
                                  "\n<Text>(***) Dialog users: NoSystems=1, Processed=0, "
                                  "Failed=1</Text>\n\n</Prtg>\n\n", 0)
        result = self.poll("USERS", "ITEM=Dialog:users", settings=["table = ZPRTG"])
        self.assertOutput(result, "\n<Prtg>\n\n\n<Text>(PRD) Fernwatch: No Table-Entries "
                                  "defined / found... </Text>\n\n<Text>(***) Dialog users: "
                                  "NoSystems=1, Processed=0, Failed=1</Text>\n\n</Prtg>\n\n", 0)

    def test_listing_through_destination_files(self):
        # The note of each logon through SapRfc.ini goes beside the document.
        self.write_bytes("SapRfc.PRD", b"DEST=PRD\r\nASHOST=prdhost SYSNR=00\r\n")
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       PRD.P00#PRD.P00#"])
        result = self.poll("USERS", "ITEM=Dialog:users", rows=landscape.WORKED_EXAMPLE)
        self.assertOutput(result, "\n<Prtg>\n\n" + channel("1: PRD.P00", "17") * 2 +
                          "\n<Text>(***) Dialog users: NoSystems=2, Processed=2, Failed=0"
                          "</Text>\n\n</Prtg>\n\n", 0, stderr="* SapRfc.Ini.......: PRD<\n" * 2)

    @harness.native_only
    def test_a_document_the_caller_did_not_get_is_no_success(self):
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
        program = os.path.join(self.bin_dir, harness.PROGRAM)
        with open("/dev/full", "wb") as full:
            status = subprocess.run([program, "PRD", "USERS"], cwd=self.dir, stdout=full,
                                    timeout=harness.RUN_SECONDS).returncode
        self.assertEqual(status, 2, "a full disk")
        closed = subprocess.run([program, "PRD", "USERS"], cwd=self.dir,
                                preexec_fn=lambda: os.close(1), timeout=harness.RUN_SECONDS)
        self.assertEqual(closed.returncode, 2, "a closed standard output")
        # A failure keeps its own status.
        with open("/dev/full", "wb") as full:
            status = subprocess.run([program, "NONE", "USERS"], cwd=self.dir, stdout=full,
                                    timeout=harness.RUN_SECONDS).returncode
        self.assertEqual(status, 2)
