"""The PRTG-native form (,NATIVE): channels named by their rows, values as
numbers, PRTG's units, the states as a channel whose limits set the
sensor's status, and errors where the described form stays green. Every
document is also held to PRTG's rules by harness.check_native_document."""

import os

import harness
import profiles
import landscape
from landscape import row

DECLARATION = '<?xml version="1.0" encoding="UTF-8"?>\n'
LIMITS = ("<unit>Custom</unit><limitmaxwarning>0</limitmaxwarning>"
          "<limitmaxerror>1</limitmaxerror><limitmode>1</limitmode>")
ROWS = [row("ZPRTG", "USERS", "*", "Logged-on users", "", "3"),
        row("ZPRTG", "USERS", "01", "Dialog users", "S", "17"),
        row("ZPRTG", "USERS", "02", "Batch users", "W", "12,5", "PerCent"),
        row("ZPRTG", "USERS", "03", "Dialog Users", "", "4-", "ms"),
        row("ZPRTG", "USERS", "04", "Spool", "E", "n/a"),
        row("ZPRTG", "SPOOL", "*", "Spool requests", "", "40", "Requests"),
        row("ZPRTG", "TITLE", "*", "Title only", "", "")]


def state(name, level):
    return "<result><channel>%s</channel><value>%d</value>%s</result>\n" % (name, level, LIMITS)


def number(name, value, unit):
    units = ("<unit>%s</unit>" % unit if not unit.startswith("Custom:")
             else "<unit>Custom</unit><customunit>%s</customunit>" % unit[7:])
    return ("<result><channel>%s</channel><value>%s</value><float>1</float>"
            "<decimalmode>Auto</decimalmode>%s</result>\n" % (name, value, units))


def document(results, text):
    return DECLARATION + "<prtg>\n" + "".join(results) + "<text>%s</text>\n</prtg>\n" % text


def error(message):
    return DECLARATION + "<prtg>\n<error>1</error>\n<text>%s</text>\n</prtg>\n" % message


class NativeFormTest(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")
        self.write_profile("PRD.P00")

    def poll(self, *args, settings=()):
        self.write_lines("RfcSim.ini", landscape.system(rows=ROWS, settings=settings))
        return self.run_program("PRD", *args)

    def test_a_sensor(self):
        self.assertOutput(self.poll("USERS,NATIVE"), document(
            [state("Worst state", 2), number("Dialog users", "17", "Count"),
             number("Batch users", "12.5", "Percent"),
             number("Dialog Users (03)", "-4", "TimeResponse")],
            "(PRD) User-Sensor: USERS, Logged-on users  - not OK: Batch users (W), Spool (E); "
            "no number: Spool (n/a)"), 0)

    def test_states_and_the_overview(self):
        self.assertOutput(self.poll("users,state,native"), document(
            [state("Worst state", 2), state("Dialog users", 0), state("Batch users", 1),
             state("Dialog Users (03)", 0), state("Spool", 2)],
            "(PRD) User-Sensor: USERS, Logged-on users  - not OK: Batch users (W), Spool (E)"), 0)
        self.assertOutput(self.poll("SENSOR(S),NATIVE"), document(
            [state("Worst state", 0), number("USERS, Logged-on users", "3", "Count"),
             number("SPOOL, Spool requests", "40", "Custom:Requests"),
             number("TITLE, Title only", "0", "Count")],
            "(PRD) SAP User-Sensor(s) Overview... "), 0)
        # A title row alone rates the sensor as a warning.
        self.assertOutput(self.poll("TITLE,NATIVE"), document(
            [state("Worst state", 1)], "(PRD) User-Sensor: TITLE, Title only  - no rows of values"),
            0)

    def test_errors(self):
        self.assertOutput(self.poll("NOSUCH,NATIVE"),
                          error("Error 1061: User-Sensor NOSUCH is not in table ZPRTG of PRD..."), 2)
        self.write_lines("RfcSim.ini", landscape.system(settings=["table = ZPRTG"]))
        self.assertOutput(self.run_program("PRD", "USERS,NATIVE"),
                          error("Error 1062: Table ZPRTG of PRD has no entries..."), 2)
        # The described errors keep their messages, in this form's document;
        # a failed logon names its cause.
        self.assertOutput(self.poll("USERS,NATIVE", settings=["fail = open logon"]),
                          error("Error 1011: RFC-Open for PRD failed ! - Name or password is "
                                "incorrect (repeat logon)"), 2)
        self.assertOutput(self.run_program("NONE", "USERS,NATIVE"),
                          error("Error 1002: Profile NONE.P00 is missing..."), 2)
        # The text forms have no native form.
        os.remove(os.path.join(self.bin_dir, "Tessiva.Frontend"))
        self.designate_frontend("Maltrex")
        self.write_lines("RfcSim.ini", landscape.system(
            rows=[r.replace("ZPRTG|", "ZMALT|", 1) for r in ROWS]))
        self.assertOutput(self.run_program("PRD", "USERS,NATIVE"),
                          "\n> S: Dialog users: 17 #\n> W: Batch users: 12,5 %\n"
                          "> Dialog Users: 4- ms\n> E: Spool: n/a #\n"
                          "# (PRD) User-Sensor: USERS, Logged-on users \n", 0)


def summary(systems, processed, not_found, failed, not_reached):
    counts = (("Systems", systems, ""), ("Processed", processed, ""),
              ("Not found", not_found, "<limitmaxwarning>0</limitmaxwarning><limitmode>1</limitmode>"),
              ("Failed", failed, "<limitmaxerror>0</limitmaxerror><limitmode>1</limitmode>"),
              ("Not reached", not_reached,
               "<limitmaxerror>0</limitmaxerror><limitmode>1</limitmode>"))
    return ["<result><channel>%s</channel><value>%d</value><unit>Count</unit>%s</result>\n" % c
            for c in counts]


class NativeListingTest(harness.FernwatchCase):
    """Four systems: PRD processed, QAS without the sensor, REF refusing its
    logon (or hanging), and NIL, whose profile is missing."""

    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")
        lines = []
        for name, rows, settings in (
                ("PRD", [row("ZPRTG", "USERS", "01", "Dialog users", "W", "17")], []),
                ("QAS", [row("ZPRTG", "SPOOL", "01", "Spool", "", "3")], []),
                ("REF", [], ["fail = open refused"]),
                ("TST", [row("ZPRTG", "USERS", "01", "Dialog users", "", "5")], [])):
            host = name.lower() + "host"
            self.write_profile(name + ".P00", Destination=name, Hostname=host, Gwhost=host)
            lines += landscape.system(name, host, rows=rows, settings=settings)
        self.write_lines("RfcSim.ini", lines)

    def listing(self, names, *args):
        self.write_lines("Lodestar.Prf", ["# Gsng: USERS       " +
                                          "".join(n + ".P00#" for n in names)])
        return self.run_program("X", *args)

    def test_every_outcome_counts(self):
        self.assertOutput(self.listing(["PRD", "QAS", "REF", "NIL"], "USERS,NATIVE ITEM=Dialog:users"),
                          document([state("Worst state", 1)] + summary(4, 1, 1, 2, 0) +
                                   [number("PRD.P00", "17", "Count")],
                                   "(***) Dialog users: NoSystems=4, Processed=1, Failed=2 - "
                                   "failed: REF.P00, NIL.P00; not found: QAS.P00; "
                                   "not OK: PRD.P00 (W)") + "\n", 0)

    def test_a_hung_system_and_those_not_reached(self):
        self.write_lines("RfcSim.ini", landscape.system(
            "PRD", "prdhost", rows=[row("ZPRTG", "USERS", "01", "Dialog users", "", "17")]) +
            landscape.system("REF", "refhost", settings=["fail = GET_CPU_ALL hang"]))
        self.assertOutput(self.listing(["PRD", "REF", "NIL", "TST"],
                                       "USERS,NATIVE,TIMEOUT=2 ITEM=Dialog:users"),
                          document([state("Worst state", 0)] + summary(4, 1, 0, 1, 2) +
                                   [number("PRD.P00", "17", "Count")],
                                   "(***) Dialog users: NoSystems=2, Processed=1, Failed=1, "
                                   "Not reached=2 - failed: REF.P00; not reached: NIL.P00, "
                                   "TST.P00") + "\n", 0)

    def test_errors_name_their_cause(self):
        self.write_profile("BAD.P00", profiles.encode("wrong"), Destination="PRD")
        self.assertOutput(self.run_program("BAD", "USERS,NATIVE"), error(
            "Error 1011: RFC-Open for PRD failed ! - Name or password is incorrect "
            "(repeat logon)"), 2)
        # The RFC error report is an error document in this form.
        self.write_lines("RfcSim.ini", landscape.system(rows=ROWS) +
                         landscape.library(settings=["fail = ItCreate ENTRIES"]))
        self.write_profile("PRD.P00")
        for args in (("PRD", "USERS,NATIVE"), ("X", "USERS,NATIVE ITEM=Dialog:users")):
            with self.subTest(args=args):
                self.write_lines("Lodestar.Prf", ["# Gsng: USERS       PRD.P00#"])
                self.assertOutput(self.run_program(*args), error(
                    "RFC error in ItCreate ENTRIES: internal table ENTRIES not created "
                    "(RFC_ERROR_PROGRAM)"), 1)
