"""The time budget ,TIMEOUT=: a system that does not answer costs its own
part of the document, not the whole of it. The stand-in makes a logon, a
call or a close hang (fail = ... hang); a run with a budget of 2 seconds
must have ended within 15."""

import time

import harness
import landscape

BUDGET_LIMIT_SECONDS = 15
PROCESSED_PRD = ("\n<Result><Channel>1: PRD.P00</Channel>\n<Unit>Custom</Unit>\n"
                 "<CustomUnit>#</CustomUnit>\n<Value>17</Value></Result>\n")


def no_answer(destination, seconds=2):
    return "Error 1052: Destination %s did not answer within %d seconds..." % (destination,
                                                                            seconds)


class TimeBudgetCase(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")

    def timed(self, *args):
        started = time.monotonic()
        result = self.run_program(*args)
        self.assertLess(time.monotonic() - started, BUDGET_LIMIT_SECONDS, repr(result))
        return result


class SingleRunTest(TimeBudgetCase):
    def setUp(self):
        super().setUp()
        self.write_profile("PRD.P00")

    def poll_with(self, settings, *args):
        self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE,
                                                        settings=settings))
        return self.timed("PRD", *args)

    def test_a_hang_ends_in_the_error_document(self):
        for hang in ("fail = open hang", "fail = RFC_SYSTEM_INFO hang"):
            with self.subTest(hang=hang):
                self.assertErrorDocument(self.poll_with([hang], "USERS,TIMEOUT=2"),
                                         no_answer("PRD"))
        # The next poll is unaffected.
        self.assertOutput(self.poll_with([], "USERS"), worked_example(), 0)

    def test_a_hung_close_leaves_the_document_whole(self):
        self.assertOutput(self.poll_with(["fail = close hang"], "USERS,TIMEOUT=2"),
                          worked_example(), 2)

    def test_a_slow_system_in_time_prints_what_it_prints_without_a_budget(self):
        slow = ["delay = 300", "opendelay = 300"]
        self.assertOutput(self.poll_with(slow, "USERS,TIMEOUT=30"), worked_example(), 0)
        self.assertOutput(self.poll_with(slow, "USERS"), worked_example(), 0)

    def test_bad_values(self):
        for value in ("0", "3601", "", "2.5", "-1", "5s", "x"):
            with self.subTest(value=value):
                self.assertErrorDocument(
                    self.poll_with([], "USERS,TIMEOUT=%s,STATE" % value),
                    "Error 1051: ,TIMEOUT=%s is not a whole number of seconds from 1 to 3600..."
                    % value)


def worked_example():
    channel = ("\n<Result><Channel>%s</Channel>\n<Unit>Custom</Unit>\n<CustomUnit>#"
               "</CustomUnit>\n<Value>%s</Value></Result>\n")
    return ("\n<Prtg>\n" + channel % ("1: Dialog users", 17) + channel % ("Batch users", 2) +
            "\n<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\n\n</Prtg>\n")


class ListingRunTest(TimeBudgetCase):
    SYSTEMS = ("PRD", "QAS", "DEV", "TST")

    def setUp(self):
        super().setUp()
        rows = [landscape.row("ZPRTG", "USERS", "01", "Dialog users", "1", "17")]
        lines = []
        for name in self.SYSTEMS:
            host = name.lower() + "host"
            self.write_profile(name + ".P00", Destination=name, Hostname=host, Gwhost=host)
            hang = ["fail = GET_CPU_ALL hang"] if name == "QAS" else []
            lines += landscape.system(name, host, rows=rows, settings=hang)
        self.write_lines("RfcSim.ini", lines)
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       " +
                                          "".join(n + ".P00#" for n in self.SYSTEMS)])

    def test_the_second_of_four_hangs(self):
        result = self.timed("X", "USERS,TIMEOUT=2 ITEM=Dialog:users")
        self.assertOutput(result, "\n<Prtg>\n\n" + PROCESSED_PRD +
                          "\n<Text>(***) Dialog users: NoSystems=2, Processed=1, Failed=1, "
                          "Not reached=2</Text>\n\n</Prtg>\n\n", 0)
        # With progress lines the system in progress says why it failed.
        result = self.timed("X", "USERS,TIMEOUT=2 ITEM=Dialog:users #")
        lines = result.stdout.decode("latin-1").replace("\r\n", "\n")
        self.assertIn("QAS.P00, qashost, QAS, 00, 100 State=Rfc Failure - %s\n" %
                      no_answer("QAS"), lines)
        self.assertEqual(result.status, 0)

    def test_the_budget_from_the_sensor_definition(self):
        self.write_lines("SAP Lodestar.Gbl", [
            "# GSNG: USERS       " + "".join(n + ".P00#" for n in self.SYSTEMS),
            '# GSNX: USERS      USERS,Item=Dialog:users,TIMEOUT=2,Sensor=SAP Fernwatch"'])
        self.assertOutput(self.timed("GLOBAL", "users"), "\n<Prtg>\n\n" + PROCESSED_PRD +
                          "\n<Text>(***) Dialog users: NoSystems=2, Processed=1, Failed=1, "
                          "Not reached=2</Text>\n\n</Prtg>\n\n", 0)
        # The command line's value wins.
        self.assertErrorDocument(self.run_program("GLOBAL", "users ,TIMEOUT=0"),
                                 "Error 1051: ,TIMEOUT=0 is not a whole number of seconds "
                                 "from 1 to 3600...")
