"""The PRTG-native form (,NATIVE): channels named by their rows, values as
numbers, PRTG's units, the states as a channel whose limits set the
sensor's status, and errors where the described form stays green. Every
document is also held to PRTG's rules by harness.check_native_document."""

import os

import harness
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
        # The described errors keep their messages, in this form's document.
        self.assertOutput(self.poll("USERS,NATIVE", settings=["fail = open logon"]),
                          error("Error 1011: RFC-Open for PRD failed !"), 2)
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
