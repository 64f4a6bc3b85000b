"""Landscapes for the stand-in RFC library: the text of RfcSim.ini.

The default profile of profiles.profile_lines (destination PRD, client 100,
user monitor, password "secret", host prdhost, system number 00) logs on to
the system that `system()` describes by default.

    self.write_lines("RfcSim.ini", landscape.system(rows=landscape.WORKED_EXAMPLE))
"""


def row(table, sensor, marker, text, state, value, unit=""):
    """One row of a customer table: `row = TABLE|Sensor|Marker|...`."""
    return "|".join((table, sensor, marker, text, state, value, unit))


def sensor_rows(table="ZPRTG"):
    """The worked example of the user-sensor evaluation."""
    return [
        row(table, "USERS", "*", "Logged-on users", "", "3"),
        row(table, "USERS", "01", "Dialog users", "1", "17"),
        row(table, "USERS", "02", "Batch users", "", "2"),
        row(table, "SPOOL", "*", "Spool requests", "", "40"),
    ]


WORKED_EXAMPLE = sensor_rows()


def system(name="PRD", ashost="prdhost", sysnr="00", client="100", user="MONITOR",
           passwd="secret", rows=(), settings=()):
    """The lines of one system; `settings` are further `key = value` lines
    (fail = ..., delay = ..., table = ..., gwhost = ...)."""
    lines = ["[%s]" % name, "ashost = " + ashost, "sysnr = " + sysnr,
             "client = " + client, "user = " + user, "passwd = " + passwd]
    lines += ["row = " + r for r in rows]
    lines += list(settings)
    return lines


def library(journal=None, settings=()):
    """The [library] section: a journal file and further settings."""
    lines = ["[library]"]
    if journal:
        lines.append("journal = " + journal)
    return lines + list(settings)
