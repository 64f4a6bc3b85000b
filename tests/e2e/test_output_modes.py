"""The result of a single-system run in each output mode: PRTG mode and the
four front-ends, each reading its own sensor table. The worked example of
the user sensors in every form, display units and Quorvane keys, the
Quorvane channel limit and the Maltrex channel selection."""

import harness
import landscape

EXEXML = r"C:\Program Files\PRTG Network Monitor\Custom Sensors\EXEXML"
OVERVIEW = "(PRD) SAP User-Sensor(s) Overview... "


def sensor_status(word, title="User-Sensor not found..."):
    return "(PRD) User-Sensor: %s, %s " % (word, title)


def display_unit(unit):
    return {"": "#", "PerCent": "%", "TimeResponse": "mSec"}.get(unit, unit)


def quorvane_key(name):
    key = "".join("_" if c in " /\\[],-" else c for c in name)
    return key.replace(".", "_", 1)


def xml_content(text):
    """`text` as the XML forms write it: "&", "<" and ">" as entities."""
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def xml_channel(name, value, unit):
    name, value, unit = xml_content(name), xml_content(value), xml_content(unit)
    units = "\n<Unit>Custom</Unit>\n<CustomUnit>%s</CustomUnit>" % unit if unit else ""
    return "\n<Result><Channel>%s</Channel>%s\n<Value>%s</Value></Result>\n" % (name, units, value)


def quorvane_channel(name, value, unit):
    key = quorvane_key(name)
    return "\n\nMessage.%s: %s (%s)\nStatistic.%s: %s" % (key, name, display_unit(unit), key, value)


def maltrex_channel(name, value, unit):
    return "\n> %s: %s %s" % (name, value, display_unit(unit))


def document(form, channels, status):
    """The whole output of a successful run in `form` ("xml", "quorvane",
    "maltrex"); `channels` are (name, value, unit) triples."""
    if form == "xml":
        return ("\n<Prtg>\n" + "".join(xml_channel(*c) for c in channels) +
                "\n<Text>%s</Text>\n" % xml_content(status) + "\n</Prtg>\n")
    if form == "quorvane":
        body = "".join(quorvane_channel(*c) for c in channels[:10])
    else:
        body = "".join(maltrex_channel(*c) for c in channels)
    return body + "\n# " + status + "\n"


USERS = [("1: Dialog users", "17", "#"), ("Batch users", "2", "#")]
WORKED_FORMS = (
    (("USERS",), USERS, sensor_status("USERS", "Logged-on users")),
    (("USERS,STATE",), [("1: Dialog users", "1", "State"), ("Batch users", "", "State")],
     sensor_status("USERS", "Logged-on users")),
    (("SENSOR(S)",), [("USERS, Logged-on users", "3", "#"), ("SPOOL, Spool requests", "40", "#")],
     OVERVIEW),
    (("NOSUCH",), [], sensor_status("NOSUCH")),
)


def mixed_rows(table):
    rows = [("*", "Units & <keys>", "", "", ""),
            ("01", "a.b.c d/e-f[1],2", "", "5", "PerCent"),
            ("02", "Response", "G", "", "TimeResponse"),
            ("03", "Size <&>", "", "-1,5", "percent"),
            ("04", "Free", "", "", "MB")]
    return [landscape.row(table, "MIXED", *r) for r in rows]


# The unit column holds 8 characters: "TimeResponse" arrives cut and is shown
# as it arrives.
MIXED = [("a.b.c d/e-f[1],2", "5", "PerCent"), ("G: Response", "0", "TimeResp"),
         ("Size <&>", "-1,5", "percent"), ("Free", "0", "MB")]


class ModeChecks:
    """The checks every output mode passes; a subclass names the mode."""
    FRONTEND = None     # the designated front-end; None: PRTG mode
    TABLE = "ZPRTG"
    FORM = "xml"

    def setUp(self):
        super().setUp()
        if self.FRONTEND:
            self.designate_frontend(self.FRONTEND)
            self.place, self.program_dir = "", None
        else:
            # PRTG starts the program in its sensor directory.
            self.program_dir = self.install_program(EXEXML)
            self.write_lines(r"C:\PRTG_Path.Txt", [r"C:\Program Files"])
            self.place = EXEXML + "\\"
        self.write_profile(self.place + "PRD.P00")

    def poll(self, rows, *args, settings=()):
        self.write_lines(self.place + "RfcSim.ini", landscape.system(rows=rows, settings=settings))
        return self.run_program("PRD", *args, cwd=self.place or None,
                                program_dir=self.program_dir)

    def test_worked_example(self):
        for args, channels, status in WORKED_FORMS:
            with self.subTest(args=args):
                result = self.poll(landscape.sensor_rows(self.TABLE), *args)
                self.assertOutput(result, document(self.FORM, channels, status), 0)

    def test_units_and_names(self):
        result = self.poll(mixed_rows(self.TABLE), "MIXED")
        self.assertOutput(result, document(self.FORM, MIXED, sensor_status(
            "MIXED", "Units & <keys>")), 0)

    def test_twelve_channels(self):
        rows = [landscape.row(self.TABLE, "MANY", "%02d" % i, "Row %d" % i, "", str(i))
                for i in range(1, 13)]
        result = self.poll(rows, "MANY")
        channels = [("Row %d" % i, str(i), "#") for i in range(1, 13)]
        self.assertOutput(result, document(self.FORM, channels, sensor_status("MANY")), 0)

    def test_sensor_table_of_the_mode(self):
        # The rows of the other modes' tables are not looked at.
        rows = [r for t in ("ZPRTG", "ZBRIX", "ZQUORV", "ZMALT") if t != self.TABLE
                for r in landscape.sensor_rows(t)]
        result = self.poll(rows + ["%s|OTHER|*|Other||1|" % self.TABLE], "USERS")
        self.assertOutput(result, document(self.FORM, [], sensor_status("USERS")), 0)

    def test_error_document_is_xml(self):
        result = self.poll(landscape.sensor_rows(self.TABLE), "USERS",
                           settings=["fail = RFC_GET_TABLE_ENTRIES sysexception"])
        self.assertErrorDocument(result, "Error 1013: Sys-Exception raised ! - "
                                         "RFC_GET_TABLE_ENTRIES raised SYSTEM_FAILURE")


@harness.windows_only
class PrtgModeTest(ModeChecks, harness.FernwatchCase):
    pass


class TessivaTest(ModeChecks, harness.FernwatchCase):
    FRONTEND = "Tessiva"


class BrixtelTest(ModeChecks, harness.FernwatchCase):
    FRONTEND, TABLE = "Brixtel", "ZBRIX"


class QuorvaneTest(ModeChecks, harness.FernwatchCase):
    FRONTEND, TABLE, FORM = "Quorvane", "ZQUORV", "quorvane"


class MaltrexTest(ModeChecks, harness.FernwatchCase):
    FRONTEND, TABLE, FORM = "Maltrex", "ZMALT", "maltrex"

    def test_channel_selection(self):
        # Only the bare value of the selected channel, then the closing.
        rows = landscape.sensor_rows(self.TABLE)
        rows += [landscape.row(self.TABLE, "BIG", "01", "Row %d" % i, "", str(1000 + i))
                 for i in range(1, 131)]
        for args, output in ((("USERS", "CH=2"), "2\n"), (("USERS", "CH=1"), "17\n"),
                             (("USERS", "ch=1"), "17\n"), (("USERS,STATE", "CH=1"), "1\n"),
                             (("USERS", "CH=1,2"), "17\n"), (("SENSOR(S)", "CH=2"), "40\n"),
                             (("USERS", "CH=0"), "\n"), (("USERS", "CH=3"), "\n"),
                             (("USERS", "CH=X1"), "\n"), (("NOSUCH", "CH=1"), "\n"),
                             (("BIG", "CH=1234"), "1123\n"), (("BIG", "CH=99"), "1099\n")):
            with self.subTest(args=args):
                self.assertOutput(self.poll(rows, *args), output, 0)
