"""Profile files and encoded passwords for the end-to-end tests.

Encoded passwords normally come from the installed `fernwatch-profile
encode` (FernwatchCase.encode_password). The coder below is the tests' own
reading of the format: it decodes what the tool printed, and it crafts the
values the tool refuses to make (a length of 00, a broken header).
"""

PASSWORD_KEY = bytes.fromhex(
    "07 06 16 02 12 1B 16 0C 0B 04 14 0F 08 14 11 11"
    "14 1C 15 15 14 09 13 1D 0F 1E 13 1E 15 0D 0C 03")

FILLER = "Q7m2Kx9Lp4Zr8Tn3Wb6Y"

# (field, label, a valid value, minimum length), in the order of the check.
FIELDS = (
    ("Extcompany", "Extcompany.:", "SAMPLE", 2),
    ("Destination", "Destination:", "PRD", 3),
    ("Client", "Client.....:", "100", 3),
    ("User", "User.......:", "monitor", 2),
    ("Password", "Password...:", None, 2),
    ("Language", "Language...:", "E", 1),
    ("Mode", "Mode.......:", "R/3", 3),
    ("Hostname", "Hostname...:", "prdhost", 2),
    ("Sysnr", "Sysnr......:", "00", 2),
    ("Gwhost", "Gwhost.....:", "prdhost", 2),
    ("Gwservice", "Gwservice..:", "sapgw00", 2),
)

LABELS = {field: label for field, label, _, _ in FIELDS}
MINIMUM = {field: minimum for field, _, _, minimum in FIELDS}


def profile_lines(password, **values):
    """The lines of a complete profile with `password` (encoded) as its
    Password value; a keyword sets another value, None leaves the line out."""
    lines = []
    for field, label, default, _ in FIELDS:
        value = values.pop(field, password if field == "Password" else default)
        if value is not None:
            lines.append(label + " " + value)
    if values:
        raise KeyError("no such profile field: %s" % ", ".join(values))
    return lines


def _in_code_alphabet(char):
    return char.isascii() and char.isalnum()


def check_digit(plain):
    return sum(ord(c) for c in plain if _in_code_alphabet(c)) % 10


def encode(password, offset=None, check=None, length=None, filler=FILLER):
    """An encoded password; `check` and `length` override the header's
    check digit and length. Without `offset` the first key offset whose
    result a profile line can carry is taken."""
    if offset is None:
        for offset in range(10):
            try:
                return encode(password, offset, check, length, filler)
            except ValueError:
                pass
        raise ValueError("no printable encoding of %r" % password)
    plain = password + filler[:20 - len(password)]
    check = check_digit(plain) if check is None else check
    length = len(password) if length is None else length
    header = "%d%d%02d" % (check, offset, length)
    body = [""] * 20
    for k in range(10):
        body[k], body[19 - k] = plain[2 * k], plain[2 * k + 1]
    value = "".join(chr(ord(c) ^ PASSWORD_KEY[i]) for i, c in enumerate(header))
    value += "".join(chr(ord(c) ^ PASSWORD_KEY[offset + i]) for i, c in enumerate(body))
    if any(not " " <= c <= "~" for c in value) or value.endswith(" "):
        raise ValueError("unprintable encoding of %r at offset %d" % (password, offset))
    return value


def decode(value):
    """(check digit matches, password) of a 24-character encoded value."""
    header = [chr(ord(c) ^ PASSWORD_KEY[i]) for i, c in enumerate(value[:4])]
    if len(value) != 24 or not all(c.isdigit() for c in header):
        raise ValueError("not an encoded password: %r" % value)
    offset, length = int(header[1]), int(header[2] + header[3])
    body = [chr(ord(c) ^ PASSWORD_KEY[offset + i]) for i, c in enumerate(value[4:])]
    plain = "".join(body[k] + body[19 - k] for k in range(10)).replace("\0", "")
    return check_digit(plain) == int(header[0]), plain[:length]


def wrong_check_digit(value, step=1):
    """`value` with its header's check digit raised by `step` (mod 10)."""
    digit = (int(chr(ord(value[0]) ^ PASSWORD_KEY[0])) + step) % 10
    return chr(ord(str(digit)) ^ PASSWORD_KEY[0]) + value[1:]
