#!/usr/bin/env python3
"""Writes the working directories that scripts/bench.sh times.

    generate.py DIRECTORY ENCODED_PASSWORD

Every directory holds an RfcSim.ini for the stand-in library and the
profiles of its systems, all logging on as MONITOR with the password whose
encoded form is given:

  poll-4        the worked example: system PRD whose table ZPRTG holds the
                sensors USERS (a header row and two channels) and SPOOL
  poll-10000    the same table grown to 10,000 rows, all but the last of
                them the sensor USERS
  listing-20    20 systems and the Lodestar.Prf that lists them all
  listing-200   the same with 200 systems

A "# Gsng" line names 15 systems, as a listing written by hand might.
"""

import os
import sys

WORKED_EXAMPLE = [
    "USERS|*|Logged-on users||3|",
    "USERS|01|Dialog users|1|17|",
    "USERS|02|Batch users||2|",
    "SPOOL|*|Spool requests||40|",
]
SYSTEMS_PER_LINE = 15


def profile(destination, host, password):
    return (f"Fernwatch benchmark: system {destination}\n"
            "Extcompany.: Benchmark\n"
            f"Destination: {destination}\n"
            "Client.....: 100\n"
            "User.......: monitor\n"
            f"Password...: {password}\n"
            "Language...: E\n"
            "Mode.......: R/3\n"
            f"Hostname...: {host}\n"
            "Sysnr......: 00\n"
            f"Gwhost.....: {host}\n"
            "Gwservice..: sapgw00\n")


def system(name, host, rows):
    lines = [f"[{name}]", f"ashost = {host}", "sysnr = 00", "client = 100",
             "user = MONITOR", "passwd = secret", f"sysid = {name}", "dbsys = HDB",
             "opsys = Linux", "release = 757", "cpus = 2"]
    lines += [f"row = ZPRTG|{row}" for row in rows]
    return "\n".join(lines) + "\n\n"


def write(directory, name, text):
    with open(os.path.join(directory, name), "w", newline="\n") as file:
        file.write(text)


def make(root, name):
    directory = os.path.join(root, name)
    os.makedirs(directory, exist_ok=True)
    for stale in os.listdir(directory):
        os.remove(os.path.join(directory, stale))
    return directory


def poll(root, name, row_count, password):
    rows = WORKED_EXAMPLE[:3]
    rows += [f"USERS|{n % 100:02d}|Channel {n:05d}|{'AB'[n % 2]}|{n}|"
             for n in range(3, row_count - 1)]
    rows.append(WORKED_EXAMPLE[3])
    directory = make(root, name)
    write(directory, "RfcSim.ini", system("PRD", "prdhost", rows))
    write(directory, "PRD.P00", profile("PRD", "prdhost", password))


def listing(root, name, system_count, password):
    directory = make(root, name)
    landscape = []
    names = []
    for n in range(1, system_count + 1):
        sid = f"S{n:03d}"
        host = f"s{n:03d}host"
        landscape.append(system(sid, host, ["USERS|*|Logged-on users||3|",
                                            f"USERS|01|Users|A|{n}|"]))
        write(directory, f"{sid}.P00", profile(sid, host, password))
        names.append(f"{sid}.P00#")
    write(directory, "RfcSim.ini", "".join(landscape))
    lines = ["Fernwatch benchmark: the systems of the run X \"USERS ITEM=Users\""]
    for start in range(0, len(names), SYSTEMS_PER_LINE):
        lines.append("# Gsng: systems     " + "".join(names[start:start + SYSTEMS_PER_LINE]))
    write(directory, "Lodestar.Prf", "\n".join(lines) + "\n")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: generate.py DIRECTORY ENCODED_PASSWORD")
    root, password = sys.argv[1], sys.argv[2]
    poll(root, "poll-4", 4, password)
    poll(root, "poll-10000", 10000, password)
    listing(root, "listing-20", 20, password)
    listing(root, "listing-200", 200, password)


if __name__ == "__main__":
    main()
