"""Polls started at once in one working directory, as PRTG starts its
sensors: every system of the landscape twice or more, half of them through
their own SapRfc.<destination>, some failing in different ways. Each poll
prints what it prints alone (a failure's reason from the trace file aside,
which may be another run's), no run leaves a file behind, and the next poll
never shows an earlier run's reason.

FERNWATCH_E2E_CONCURRENCY="POLLS,SYSTEMS,ROUNDS" sets the scale (by
default 16 polls over 8 systems, 3 rounds); the run prints how many
documents differed."""

import concurrent.futures
import os
import re
import sys
import threading

import harness
import landscape
import profiles

# How each system of the landscape behaves, in turn: (name, system settings,
# profile password); systems at even places connect through their own
# SapRfc.<destination>.
KINDS = (
    ("answers", [], "secret"),
    ("answers", [], "secret"),
    ("call failure", ["fail = GET_CPU_ALL failure"], "secret"),
    ("exception", ["fail = RFC_GET_TABLE_ENTRIES exception NOT_AUTHORIZED"], "secret"),
    ("answers", [], "secret"),
    ("refused", ["fail = open refused"], "secret"),
    ("logon", [], "wrong"),
    ("system exception", ["fail = RFC_SYSTEM_INFO sysexception"], "secret"),
)
EXCEPTION = "Error 1012: Exception.: NOT_AUTHORIZED"
NO_REASON = " - Please Check Trace-File !"
# The reason a failure appends to its message, up to the closing of the text.
REASON = re.compile(rb" - [^<]*(?=</Text>)")


def scale():
    text = os.environ.get("FERNWATCH_E2E_CONCURRENCY", "16,8,3")
    polls, systems, rounds = (int(n) for n in text.split(","))
    return polls, max(systems, len(KINDS)), rounds


class System:
    def __init__(self, number):
        self.kind, self.settings, self.password = KINDS[number % len(KINDS)]
        self.destination = "S%02d" % number
        self.host = "s%02dhost" % number
        self.sysnr = "%02d" % (number % 100)
        self.own_configuration = number % 2 == 0
        # Values of its own, so that another system's data shows.
        self.rows = [landscape.row("ZPRTG", "USERS", "*", "Users of " + self.destination, "", "1"),
                     landscape.row("ZPRTG", "USERS", "01", "Dialog users", "", str(100 + number))]


class ConcurrentPollsTest(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")

    def write_landscape(self, systems):
        lines = []
        for system in systems:
            password = profiles.encode(system.password)
            self.write_profile(system.destination + ".P00", password,
                               Destination=system.destination, Hostname=system.host,
                               Sysnr=system.sysnr, Gwhost=system.host)
            lines += landscape.system(system.destination, system.host, system.sysnr,
                                      rows=system.rows, settings=system.settings)
            if system.own_configuration:
                entry = "DEST=%s\r\nASHOST=%s SYSNR=%s\r\n" % (
                    system.destination, system.host, system.sysnr)
                self.write_bytes("SapRfc." + system.destination, entry.encode())
        self.write_lines("RfcSim.ini", lines)

    def poll(self, system):
        return self.run_program(system.destination, "USERS")

    def poll_at_once(self, systems):
        """Starts one poll per entry of `systems` at the same moment."""
        start = threading.Barrier(len(systems))

        def poll(system):
            start.wait()
            return self.poll(system)
        with concurrent.futures.ThreadPoolExecutor(len(systems)) as pool:
            return list(pool.map(poll, systems))

    def alone(self, system):
        """What the poll of `system` prints alone, and its exit status."""
        result = self.poll(system)
        note = "* SapRfc.Ini.......: %s<\n" % system.destination
        self.assertEqual(result.stderr, self.expected(note if system.own_configuration else ""))
        self.assertEqual(result.status, 0 if system.kind == "answers" else 2, result)
        return result

    def files(self):
        return set(os.listdir(self.dir))

    def saprfc_contents(self):
        return {self.read_bytes(n) for n in self.files() if n.startswith("SapRfc.S")}

    def test_polls_at_once_print_what_they_print_alone(self):
        polls, count, rounds = scale()
        systems = [System(n) for n in range(count)]
        self.write_landscape(systems)
        alone = {s.destination: self.alone(s) for s in systems}
        left_alone = self.files() | {"Dev_Rfc.Trc"}
        refused = next(s for s in systems if s.kind == "refused")
        exception = next(s for s in systems if s.kind == "exception")
        # Alone, too, it follows a failure that left its block.
        self.assertErrorDocument(alone[exception.destination], EXCEPTION + NO_REASON)

        differing = 0
        for _ in range(rounds):
            batch = [systems[i % count] for i in range(polls)]
            for system, result in zip(batch, self.poll_at_once(batch)):
                expected = alone[system.destination]
                seen = (result.status, REASON.sub(b"", result.stdout), result.stderr)
                if seen != (expected.status, REASON.sub(b"", expected.stdout), expected.stderr):
                    differing += 1
                    print("\n%s differs: %r" % (system.destination, result), file=sys.stderr)
            self.assertEqual(self.files() - left_alone, set(), "files left behind")
            self.assertIn(self.read_bytes("SapRfc.ini"), self.saprfc_contents())
            # A refusal leaves its block; the next failure without a block
            # of its own shows no reason rather than that one.
            self.poll(refused)
            self.assertErrorDocument(self.poll(exception), EXCEPTION + NO_REASON)
        print("\n%d polls at once over %d systems, %d rounds: %d documents differed"
              % (polls, count, rounds, differing), file=sys.stderr)
        self.assertEqual(differing, 0)
