"""fernwatch-profile doctor: the install checked from the folder the
operator is in, one line per check (OK, or FAULT with the fault and what
to do), exit status 0 when every check passed and 2 otherwise. With a
profile it reads it as a poll does, logs on, calls what a poll calls and
reads the sensor table; it never prints the password."""

import os
import shutil

import harness
import landscape
import wine

DEMO = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "demo")
SENSORS = r"C:\Program Files (x86)\PRTG Network Monitor\Custom Sensors\EXEXML"
PRTG_DIRECTORY = r"C:\Program Files (x86)\PRTG Network Monitor"
PRD_SYSTEM = ("OK    RFC_SYSTEM_INFO: system PRD, host prdhost, database HDB PRD on prdhost, "
              "SAP release 757, kernel 757, operating system Linux")
WORKING_DIRECTORY = ("OK    working directory: %s, where a poll can write SapRfc.ini and the "
                     "library its Dev_Rfc.Trc; PRTG's own working directory may differ "
                     "(install.md, 4.7)")


class DoctorCase(harness.FernwatchCase):
    def doctor(self, *args, **options):
        return self.run_profile_tool("doctor", *args, **options)

    def lines(self, result):
        """The lines printed, after checking that nothing went to standard
        error and that each line is a check's."""
        self.assertEqual(result.stderr, b"", repr(result))
        text = result.stdout.decode("latin-1")
        if self.windows:
            self.assertEqual(text.count("\n"), text.count("\r\n"), repr(result))
        lines = text.replace("\r\n", "\n").splitlines()
        for line in lines:
            self.assertRegex(line, r"^(OK    |FAULT )\S.*?: ", repr(result))
        return lines

    def shown(self, path):
        """A test path as the doctor shows it: as the system names it."""
        host = os.path.normpath(self.path(path))
        return self.prefix.windows_path(host) if self.windows else host

    def library_line(self, folder):
        if not self.windows:
            return ("OK    librfc32: %s/librfc32.so, 64-bit, no file version, all twelve functions"
                    % folder)
        bits = 32 if wine.is_32_bit_program(os.path.join(self.bin_dir, "fernwatch.exe")) else 64
        return ("OK    librfc32: %s\\librfc32.dll, %d-bit, file version 4.3.0.0 (Fernwatch "
                "stand-in RFC library, a simulation without SAP), all twelve functions"
                % (folder, bits))

    def demo(self, *names, into="."):
        for name in names:
            shutil.copy2(os.path.join(DEMO, name), self.path(into))

    def fault_lines(self, lines):
        return [line for line in lines if line.startswith("FAULT")]


class GoodInstallTest(DoctorCase):
    def test_a_front_end_with_the_demo_landscape(self):
        # The marker chooses the table: Quorvane's, with the demo's 3 rows.
        self.designate_frontend("Quorvane")
        self.demo("RfcSim.ini", "PRD.P00")
        result = self.doctor("PRD")
        program = "fernwatch.exe" if self.windows else "fernwatch"
        self.assertEqual(self.lines(result), [
            "OK    program folder: %s, with %s" % (self.shown("bin"), program),
            "OK    front-end markers: Quorvane.Frontend: the Quorvane front-end, message and "
            "statistic text, table ZQUORV",
            r"OK    C:\PRTG_Path.Txt: plays no part: the Quorvane front-end is designated",
            "OK    profiles: a run finds PRD.P00 in the working directory %s" % self.shown("."),
            self.library_line(self.shown("bin")),
            WORKING_DIRECTORY % self.shown("."),
            "OK    profile PRD.P00: destination PRD, client 100, user MONITOR, language E, R/3 "
            "to host prdhost, system number 00",
            "OK    logon: logged on to PRD as MONITOR in client 100",
            "OK    GET_CPU_ALL: the system answers",
            PRD_SYSTEM,
            "OK    sensor table ZQUORV: 3 rows, 1 sensor",
            "OK    logoff: connection closed",
        ])
        self.assertEqual(result.status, 0)

    @harness.windows_only
    def test_a_prtg_sensor_and_the_working_directory_trap(self):
        sensors = self.install_program(SENSORS)
        self.demo("PRD.P00", into=SENSORS)
        self.demo("RfcSim.ini")
        self.write_lines(r"C:\PRTG_Path.Txt", [PRTG_DIRECTORY])
        found = SENSORS[:-len("EXEXML")] + "ExeXml\\"
        result = self.doctor("PRD", program_dir=sensors)
        self.assertEqual(self.lines(result)[:6], [
            "OK    program folder: %s, with fernwatch.exe" % SENSORS,
            "OK    front-end markers: none: PRTG's EXE/XML sensor, PRTG XML, table ZPRTG",
            r"OK    C:\PRTG_Path.Txt: leads to %s" % found,
            "OK    profiles: a run finds PRD.P00 in %s" % found,
            self.library_line(SENSORS),
            WORKING_DIRECTORY % self.shown("."),
        ])
        self.assertEqual(result.status, 0)

        # Without C:\PRTG_Path.Txt, a run from the program folder finds the
        # profiles in its working directory, which no sensor may use.
        os.remove(self.path(r"C:\PRTG_Path.Txt"))
        fix = r"Fix: create C:\PRTG_Path.Txt with the one line %s (install.md, 4.3)" % (
            PRTG_DIRECTORY)
        lines = self.lines(self.doctor(cwd=sensors, program_dir=sensors))
        self.assertEqual(self.fault_lines(lines), [
            r"FAULT C:\PRTG_Path.Txt: not there: where a run looks for its profiles depends on "
            "the working directory PRTG gives it. " + fix,
            "FAULT profiles: a run takes them from this working directory and ends with "
            "\"Sorry, invalid Path-Usage...\". " + fix,
        ])


class FaultTest(DoctorCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")

    def test_logon_faults_and_the_library_handler(self):
        wrong = self.encode_password("Wrong-pw9")
        for what, password, settings, fault in (
                ("wrong password", wrong, (),
                 "FAULT logon: Error 1011: RFC-Open for PRD failed ! - the library says: Name or "
                 "password is incorrect (repeat logon). Fix: check client, user and password in "
                 "PRD.P00 (encode the password again), and that the RFC user is neither locked "
                 "nor expired (sap-team.md, 6)"),
                # The library's own text may carry the password: it is hidden.
                ("password in the library's text", None,
                 ("fail = open logon password secret has expired",),
                 "FAULT logon: Error 1011: RFC-Open for PRD failed ! - the library says: "
                 "password ******** has expired. Fix: check client"),
                # The handler returns to the library, and the doctor goes on
                # to log off.
                ("handler", None, ("fail = RFC_SYSTEM_INFO handler secret lost",),
                 "FAULT RFC_SYSTEM_INFO: the library called its error handler with \"******** "
                 "lost\" - the library says: ******** lost; a poll ends there with the RFC error "
                 "report (exit status 1). Fix: the library's text says what failed (messages.md, "
                 "7)")):
            with self.subTest(what):
                self.write_profile("PRD.P00", password)
                self.write_lines("RfcSim.ini", landscape.system(settings=settings))
                result = self.doctor("PRD")
                lines = self.lines(result)
                self.assertEqual(result.status, 2)
                faults = self.fault_lines(lines)
                self.assertEqual(len(faults), 1, lines)
                self.assertTrue(faults[0].startswith(fault), faults[0])
                self.assertEqual(lines[-1].startswith("OK    logoff"), what == "handler", lines)
                for secret in (b"secret", b"Wrong-pw9"):
                    self.assertNotIn(secret, result.stdout)

    def test_without_the_library(self):
        os.remove(os.path.join(self.bin_dir, "librfc32.dll" if self.windows else "librfc32.so"))
        self.write_profile("PRD.P00")
        result = self.doctor("PRD")
        lines = self.lines(result)
        self.assertEqual(result.status, 2)
        self.assertEqual([line.split(":")[0] for line in self.fault_lines(lines)],
                         ["FAULT librfc32"])
        self.assertRegex(lines[4], r"^FAULT librfc32: Error 1041: RFC library librfc32\.(dll|so) "
                         r"is missing: looked in .* Put the vendor's librfc32\.(dll|so) beside "
                         r"the program$")
        # The profile is still read; no logon is tried.
        self.assertTrue(lines[-1].startswith("OK    profile PRD.P00:"), lines)

    def test_missing_and_broken_profiles_give_the_runs_own_message(self):
        for what, write, check in (
                ("missing", lambda: None, "profiles"),
                ("broken", lambda: self.write_profile("PRD.P00", Client="1"),
                 "profile PRD.P00")):
            with self.subTest(what):
                write()
                poll = self.run_program("PRD")
                message = poll.stdout.decode("latin-1").split("<Text>")[1].split("</Text>")[0]
                result = self.doctor("PRD")
                lines = self.lines(result)
                self.assertEqual(result.status, 2)
                faults = self.fault_lines(lines)
                self.assertEqual(len(faults), 1, lines)
                self.assertTrue(faults[0].startswith("FAULT %s: %s Fix: " % (check, message)),
                                (faults, message))
                self.assertFalse(any(line.startswith("OK    logon") for line in lines), lines)

    def test_through_a_destination_file(self):
        # The profile's host reaches nothing: only the destination file does.
        self.write_profile("PRD.P00", Hostname="nohost")
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
        self.write_lines("SapRfc.PRD", ["DEST=PRD", "ASHOST=prdhost SYSNR=00"])
        result = self.doctor("PRD")
        lines = self.lines(result)
        self.assertEqual(result.status, 0, lines)
        self.assertIn("OK    logon: logged on to PRD as MONITOR in client 100, through SapRfc.PRD "
                      "(copied to SapRfc.ini)", lines)
        self.assertIn("OK    sensor table ZPRTG: 4 rows, 2 sensors", lines)
        self.assertEqual(self.read_bytes("SapRfc.ini"), self.read_bytes("SapRfc.PRD"))
