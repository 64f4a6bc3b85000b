"""Reading a system's profile in a single-system run (errors 1003 to 1007)
and the profile tool that writes encoded passwords and checks profiles.

The runs use a designated front-end, so the profile is read from the
working directory and no PRTG directory is needed."""

import harness
import profiles


def invalid(name="PRD.P00"):
    return "Error 1003: Invalid Parameter(s) at %s found..." % name


def bad_password(name="PRD.P00"):
    return "Error 1004: Invalid Password in Profile %s found..." % name


def wrong_password(name="PRD.P00"):
    return "Error 1005: Wrong Password in Profile %s found..." % name


def no_user(name="PRD.P00"):
    return "Error 1006: Username in Profile %s is missing..." % name


def no_password(name="PRD.P00"):
    return "Error 1007: Password in Profile %s is missing..." % name


class ProfileErrorTest(harness.FernwatchCase):
    def setUp(self):
        super().setUp()
        self.designate_frontend("Tessiva")

    def run_with_lines(self, lines, line_end="\r\n"):
        self.write_lines("PRD.P00", lines, line_end)
        return self.run_program("PRD")

    def run_with(self, password=None, **values):
        self.write_profile("PRD.P00", password, **values)
        return self.run_program("PRD")

    def test_minimum_lengths_pass(self):
        values = {field: "x" * minimum for field, _, _, minimum in profiles.FIELDS
                  if field != "Password"}
        self.assertConnectionTried(self.run_with(profiles.encode("pw"), **values), "xxx")

    def test_value_shorter_than_its_minimum(self):
        for field, _, _, minimum in profiles.FIELDS:
            if field in ("User", "Password"):
                continue
            for value in ("x" * (minimum - 1), None):
                with self.subTest(field=field, value=value):
                    self.assertErrorDocument(self.run_with(**{field: value}), invalid())

    def test_short_user_and_password(self):
        self.assertErrorDocument(self.run_with(User="m"), invalid())
        self.assertErrorDocument(self.run_with(profiles.encode("s")), invalid())

    def test_columns(self):
        # Column 13 is never read; blanks after it belong to the value.
        self.assertErrorDocument(self.run_with_lines(self.lines_with("Client.....:100")),
                                 invalid())
        self.assertConnectionTried(self.run_with_lines(self.lines_with("Client.....:X100")))
        self.assertConnectionTried(self.run_with_lines(self.lines_with("Language...:  ")))

    def test_last_line_of_a_label_counts(self):
        base = profiles.profile_lines(profiles.encode("secret"))
        self.assertErrorDocument(self.run_with_lines(base + ["Destination: PR"]), invalid())
        self.assertConnectionTried(
            self.run_with_lines(["Destination: PR"] + base))

    def test_labels_are_exact(self):
        lines = [line for line in profiles.profile_lines(profiles.encode("secret"))
                 if not line.startswith("User")]
        for label in ("user.......:", "User......:", "User........", " User.......:"):
            with self.subTest(label=label):
                self.assertErrorDocument(self.run_with_lines(lines + [label + " monitor"]),
                                         no_user())

    def test_long_line_is_read_in_pieces_of_159(self):
        # Each piece is judged as a line of its own.
        lines = [line for line in profiles.profile_lines(profiles.encode("secret"))
                 if not line.startswith("User")]
        self.assertConnectionTried(
            self.run_with_lines(lines + ["x" * 159 + "User.......: monitor"]))
        self.assertErrorDocument(
            self.run_with_lines(lines + ["x" * 158 + "User.......: monitor"]), no_user())

    def test_line_ends(self):
        lines = profiles.profile_lines(profiles.encode("secret"))
        for line_end in ("\n", "\r\n"):
            with self.subTest(line_end=line_end):
                self.assertConnectionTried(self.run_with_lines(lines, line_end))

    def test_missing_user_and_password(self):
        self.assertErrorDocument(self.run_with(User=None), no_user())
        self.assertErrorDocument(self.run_with(User=""), no_user())
        self.assertErrorDocument(self.run_with(Password=None), no_password())
        self.assertErrorDocument(self.run_with(Password=""), no_password())
        self.assertErrorDocument(self.run_with(profiles.encode("secret", length=0)),
                                 no_password())

    def test_precedence_after_reading(self):
        # Without user and password the user is reported; without password
        # that comes before any short value.
        self.assertErrorDocument(self.run_with(User=None, Password=None), no_user())
        self.assertErrorDocument(self.run_with(Password=None, Language=""), no_password())

    def test_malformed_password(self):
        good = profiles.encode("secret")
        not_digit = chr(ord("A") ^ profiles.PASSWORD_KEY[2])
        for value in (good[:23], good + "x", good[:2] + not_digit + good[3:], "x" * 24):
            with self.subTest(value=value):
                self.assertErrorDocument(self.run_with(value), bad_password())

    def test_password_fault_is_reported_at_its_line(self):
        # Before the missing user, which is only judged after the last line.
        good = profiles.encode("secret")
        self.assertErrorDocument(self.run_with(good[:23], User=None), bad_password())
        self.assertErrorDocument(self.run_with(profiles.wrong_check_digit(good), User=None),
                                 wrong_password())

    def test_wrong_check_digit(self):
        good = profiles.encode("secret")
        for step in (1, 5, 9):
            with self.subTest(step=step):
                value = profiles.wrong_check_digit(good, step)
                self.assertErrorDocument(self.run_with(value), wrong_password())

    def test_message_names_profile_without_directory(self):
        self.write_profile(r"Sensors\QAS.P00", User=None)
        result = self.run_program(self.program_path("Sensors") + "\\QAS")
        self.assertErrorDocument(result, no_user("QAS.P00"))

    def lines_with(self, line):
        label = line[:12]
        return [old for old in profiles.profile_lines(profiles.encode("secret"))
                if not old.startswith(label)] + [line]


class ProfileToolTest(harness.FernwatchCase):
    PASSWORDS = ("secret", "pw", "ABCDEFGHIJKLMNOPQRST", "Pa ss:w0rd!", "~{|}`^_", "0123456789")

    def test_encoded_passwords_are_read_back(self):
        for password in self.PASSWORDS:
            with self.subTest(password=password):
                value = self.encode_password(password)
                self.assertEqual(len(value), 24)
                self.assertTrue(all(" " <= c <= "~" for c in value), repr(value))
                self.assertFalse(value.endswith(" "))
                self.assertEqual(profiles.decode(value), (True, password))
                self.write_profile("PRD.P00", value)
                self.assertOutput(self.run_profile_tool("check", "PRD.P00"), "OK\n", 0)

    def test_encoded_password_passes_a_run(self):
        self.designate_frontend("Tessiva")
        self.write_profile("PRD.P00", self.encode_password("secret"))
        self.assertConnectionTried(self.run_program("PRD"))

    def test_wrong_check_digit_fails_check_and_run(self):
        value = profiles.wrong_check_digit(self.encode_password("secret"))
        self.write_profile("PRD.P00", value)
        self.assertOutput(self.run_profile_tool("check", "PRD.P00"), wrong_password() + "\n", 2)
        self.designate_frontend("Tessiva")
        self.assertErrorDocument(self.run_program("PRD"), wrong_password())

    def test_byte_order_mark_of_notepad(self):
        # Notepad's UTF-8 begins with a mark that is no part of the first
        # line (here the Extcompany line), for a run and for check alike.
        lines = profiles.profile_lines(profiles.encode("secret"))
        self.write_bytes("PRD.P00", b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode())
        self.assertOutput(self.run_profile_tool("check", "PRD.P00"), "OK\n", 0)
        self.designate_frontend("Tessiva")
        self.assertConnectionTried(self.run_program("PRD"))

    def test_check_reports_the_runs_message_by_file_name(self):
        self.write_profile(r"Sensors\QAS.P00", User=None)
        result = self.run_profile_tool("check", r"Sensors\QAS.P00")
        self.assertOutput(result, no_user("QAS.P00") + "\n", 2)

    def test_encode_refuses_bad_passwords(self):
        for password in (b"", b"x" * 21, b"ab\x01cd", b"caf\xe9", b"ab\x00cd"):
            with self.subTest(password=password):
                self.assertRefused(self.run_profile_tool("encode", stdin=password + b"\n"))

    def test_refuses_bad_commands(self):
        for args in ((), ("check",), ("decode",), ("encode", "secret")):
            with self.subTest(args=args):
                self.assertRefused(self.run_profile_tool(*args, stdin=b"secret\n"))

    def assertRefused(self, result):
        self.assertEqual((result.status, result.stdout), (2, b""), repr(result))
        self.assertEqual(len(result.stderr.splitlines()), 1, repr(result))
