"""Only regular files are read: a FIFO, a device or a DOS device name in
place of a profile, a listing file, a destination file or a trace file is
taken for a missing file, and never blocks the run."""

import os

import harness
import landscape


def missing(path):
    return "Error 1002: Profile %s is missing..." % path


def ok_document(destination="PRD"):
    def channel(name, value):
        return ("<Result><Channel>%s</Channel>\n<Unit>Custom</Unit>\n"
                "<CustomUnit>#</CustomUnit>\n<Value>%s</Value></Result>\n\n" % (name, value))
    return ("\n<Prtg>\n\n" + channel("1: Dialog users", 17) + channel("Batch users", 2) +
            "<Text>(%s) User-Sensor: USERS, Logged-on users </Text>\n\n</Prtg>\n" % destination)


class RegularFilesTest(harness.FernwatchCase):
    def fifo(self, name):
        os.mkfifo(self.path(name))

    @harness.native_only
    def test_fifos_and_devices_are_missing_files(self):
        self.designate_frontend("Tessiva")
        self.fifo("PRD.P00")
        os.symlink("/dev/zero", self.path("QAS.P00"))
        self.fifo("SAP Lodestar.Gbl")
        for args, message in ((("PRD", "USERS"), missing("PRD.P00")),
                              (("QAS", "USERS"), missing("QAS.P00")),
                              (("GLOBAL", "users"), missing("SAP Lodestar.Gbl"))):
            with self.subTest(args=args):
                self.assertErrorDocument(self.run_program(*args), message)

        # A listed profile that is a FIFO is skipped like a missing one.
        self.write_profile("DEV.P00")
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE) +
                         landscape.library(settings=["trace = off"]))
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       PRD.P00#DEV.P00#"])
        self.assertOutput(
            self.run_program("DEV", "USERS", "ITEM=dialog:users"),
            "\n<Prtg>\n\n\n<Result><Channel>1: DEV.P00</Channel>\n<Unit>Custom</Unit>\n"
            "<CustomUnit>#</CustomUnit>\n<Value>17</Value></Result>\n\n<Text>(***) dialog "
            "users: NoSystems=2, Processed=1, Failed=0</Text>\n\n</Prtg>\n\n", 0)

        # A destination file, the library's trace and the probe's own trace
        # as FIFOs: the logon takes the records, the reason is missing, no
        # trace is written.
        self.fifo("SapRfc.PRD")
        self.fifo("Dev_Rfc.Trc")
        self.fifo("Fernwatch.Trc")
        self.assertOutput(self.run_program("DEV", "USERS,SYSLOG"), ok_document(), 0)
        self.write_lines("RfcSim.ini", landscape.system(
            rows=landscape.WORKED_EXAMPLE, settings=["fail = GET_CPU_ALL failure"]) +
            landscape.library(settings=["trace = off"]))
        self.fifo("Dev_Rfc.Trc")  # a successful poll removed it
        self.assertErrorDocument(self.run_program("DEV", "USERS"),
                                 "Error 1014: RFC-Failure raised ! - Look for Trace-File")

    @harness.windows_only
    def test_dos_device_names_are_missing_files(self):
        # In PRTG's search (the candidate folders, or the folder that
        # C:\PRTG_Path.Txt names) and as given to a front-end; with or
        # without an extension, in any folder.
        names = ("AUX", "CON", "NUL", "PRN", "COM1", "LPT9", "CONIN$", "aux.txt", "COM1.P00")

        def all_missing(names):
            for name in names:
                with self.subTest(name=name):
                    completed = name if "." in name else name + ".P00"
                    self.assertErrorDocument(self.run_program(name, "USERS"), missing(completed))
        all_missing(names)
        os.makedirs(self.path(r"C:\Program Files\PRTG Network Monitor\Custom Sensors\EXEXML"))
        self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files"])
        all_missing(names)
        self.designate_frontend("Brixtel")
        all_missing(names + (r"sub\NUL",))
