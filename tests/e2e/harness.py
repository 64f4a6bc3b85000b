"""End-to-end harness: runs the installed probe as a process.

Every test module runs once per platform (run_module.py chooses it):
natively, or the Windows build under Wine in the test run's private prefix.
Each test gets a directory of its own holding a copy of the installed bin
folder (bin/, the program's own directory) and serves as the working
directory unless a test says otherwise. Paths given to the helpers are
relative to that directory, absolute host paths, or, under Wine only,
drive paths such as C:\\PRTG_Path.Txt. The directories are removed after
each test unless FERNWATCH_E2E_KEEP is set in the environment.

    class StartTest(harness.FernwatchCase):
        def test_no_arguments(self):
            result = self.run_program()
            self.assertErrorDocument(result, "Error 1001: ...")
"""

import functools
import os
import re
import shutil
import subprocess
import tempfile
import unittest
import xml.parsers.expat

import profiles
from captured import run_captured
from wine import WinePrefix

PROGRAM = "fernwatch"
PROFILE_TOOL = "fernwatch-profile"
RUN_SECONDS = 120

FRONTENDS = ("Brixtel", "Quorvane", "Maltrex", "Tessiva")


class Config:
    platform = None      # "native" or "windows"
    bin_dir = None       # the installed bin folder
    prefix = None        # WinePrefix (windows only)
    other_bin = None     # the other Windows build's bin folder, if given


CONFIG = Config()


def configure(platform, bin_dir, prefix_dir=None, other_bin=None):
    CONFIG.platform = platform
    CONFIG.bin_dir = os.path.abspath(bin_dir)
    CONFIG.prefix = WinePrefix(prefix_dir) if platform == "windows" else None
    CONFIG.other_bin = os.path.abspath(other_bin) if other_bin else None


def broken_library(name):
    """A broken RFC library that the Windows builds install for the tests
    into test-libraries/ beside bin/ (tests/library_variants)."""
    return os.path.join(os.path.dirname(CONFIG.bin_dir), "test-libraries", name)


def program_file(name):
    return name + ".exe" if CONFIG.platform == "windows" else name


def error_document(message):
    """The error document that carries `message`, with LF line ends."""
    return "<Prtg>\n<Error>1</Error>\n<Text>" + message + "</Text>\n</Prtg>\n"


# The bytes Windows-1252 leaves unassigned: Windows maps each to the
# control character of its number.
_UNASSIGNED_1252 = (0x81, 0x8D, 0x8F, 0x90, 0x9D)


def xml_content(text):
    """`text` (bytes as latin-1 characters, in the probe's code page
    Windows-1252) as the XML forms write it: pure ASCII, with entities,
    character references and blanks for control characters."""
    written = []
    for byte in text.encode("latin-1"):
        if byte in _UNASSIGNED_1252 or byte < 0x80:
            code = byte
        else:
            code = ord(bytes([byte]).decode("cp1252"))
        if code in (0x26, 0x3C, 0x3E):
            written.append({0x26: "&amp;", 0x3C: "&lt;", 0x3E: "&gt;"}[code])
        elif code < 0x20 and code not in (0x09, 0x0A, 0x0D):
            written.append(" ")
        elif code > 0x7E:
            written.append("&#x%X;" % code)
        else:
            written.append(chr(code))
    return "".join(written)


def check_xml_document(output):
    """Raises AssertionError unless `output` (bytes) is a well-formed XML
    document of printable ASCII, TAB, LF and CR only."""
    odd = sorted(set(b for b in output if not (0x20 <= b <= 0x7E or b in (9, 10, 13))))
    if odd:
        raise AssertionError("not pure ASCII: bytes %s in %r" % (odd, output[:300]))
    parser = xml.parsers.expat.ParserCreate()
    try:
        parser.Parse(output, True)
    except xml.parsers.expat.ExpatError as error:
        raise AssertionError("not well-formed XML (%s): %r" % (error, output[:300]))


NATIVE_DECLARATION = b'<?xml version="1.0" encoding="UTF-8"?>'
NATIVE_ELEMENTS = {"prtg", "result", "channel", "value", "unit", "customunit", "float",
                   "decimalmode", "limitmaxwarning", "limitmaxerror", "limitmode", "text",
                   "error"}
NATIVE_VALUE = re.compile(r"-?[0-9]+(\.[0-9]+)?\Z")


def check_native_document(output):
    """Raises AssertionError unless `output` holds to PRTG's rules for the
    PRTG-native form: the declaration first, a document that parses, only
    PRTG's elements, every value a number with a dot, channel names unique
    ignoring case, at most 50 results, a text of at most 2,000 characters."""
    if not output.startswith(NATIVE_DECLARATION):
        raise AssertionError("no XML declaration first: %r" % output[:100])
    check_xml_document(output)
    elements, texts, current = [], {}, []
    parser = xml.parsers.expat.ParserCreate()

    def start(name, attributes):
        elements.append(name)
        current.append(name)
        texts.setdefault(name, []).append("")

    def end(name):
        current.pop()

    def data(text):
        if current:
            texts[current[-1]][-1] += text
    parser.StartElementHandler, parser.EndElementHandler = start, end
    parser.CharacterDataHandler = data
    parser.Parse(output, True)
    problems = sorted(set(elements) - NATIVE_ELEMENTS)
    problems += ["value %r" % v for v in texts.get("value", []) if not NATIVE_VALUE.match(v)]
    names = [n.lower() for n in texts.get("channel", [])]
    if len(names) != len(set(names)):
        problems.append("channel names repeat: %r" % texts["channel"])
    if elements.count("result") > 50:
        problems.append("%d results" % elements.count("result"))
    if any(len(t) > 2000 for t in texts.get("text", [])):
        problems.append("a text of more than 2,000 characters")
    if problems:
        raise AssertionError("not as PRTG reads it: %s in %r" % (problems, output[:300]))


# Front-ends that read a text report; their error documents are XML all
# the same. In the order in which their markers are applied.
_TEXT_FRONTENDS = ("Quorvane", "Maltrex")


def _only_on(platform, target):
    reason = "%s build only" % platform
    if isinstance(target, type):
        original = target.setUp

        def setUp(self):
            if CONFIG.platform != platform:
                raise unittest.SkipTest(reason)
            original(self)
        target.setUp = setUp
        return target

    @functools.wraps(target)
    def wrapper(self, *args, **kwargs):
        if CONFIG.platform != platform:
            raise unittest.SkipTest(reason)
        return target(self, *args, **kwargs)
    return wrapper


def native_only(target):
    """Marks a test method or class to run only against the Linux build."""
    return _only_on("native", target)


def windows_only(target):
    """Marks a test method or class to run only under Wine."""
    return _only_on("windows", target)


class Result:
    def __init__(self, status, stdout, stderr):
        self.status = status
        self.stdout = stdout
        self.stderr = stderr

    def __repr__(self):
        return "exit %d, stdout %r, stderr %r" % (self.status, self.stdout, self.stderr)


# Encoded passwords by (platform, password): the tool is slow under Wine.
_encoded = {}


class FernwatchCase(unittest.TestCase):
    maxDiff = None

    def setUp(self):
        if CONFIG.platform is None:
            self.fail("run the e2e tests through run_module.py (or ctest)")
        self.windows = CONFIG.platform == "windows"
        if self.windows:
            self.prefix = CONFIG.prefix
            if not self.prefix.is_ready():
                self.fail("no Wine prefix at %s: ctest's fixture e2e.windows.prefix "
                          "creates it" % self.prefix.path)
            clear_shared_prefix_files(self.prefix)
            root = os.path.join(self.prefix.drive_c, "fw")
        else:
            # Short paths: the probe's path texts hold 81 to 95 characters.
            root = None
        if root:
            os.makedirs(root, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="fw-", dir=root)
        if not os.environ.get("FERNWATCH_E2E_KEEP"):
            self.addCleanup(shutil.rmtree, self.dir, True)
        self.bin_dir = self.install_program("bin")
        self.work_dir = self.dir

    # --- paths and files ----------------------------------------------

    def path(self, path):
        """The host path of a test path (relative, absolute, or C:\\...)."""
        if len(path) > 2 and path[1] == ":":
            if not self.windows:
                self.fail("drive paths need the Windows build: %s" % path)
            return self.prefix.host_path(path)
        if os.path.isabs(path):
            return path
        return os.path.join(self.dir, path.replace("\\", "/"))

    def program_path(self, path):
        """The path text by which the program itself names a test path.

        Under Wine C:\\..., natively the host path with backslashes (the
        Linux build maps a leading backslash to the root)."""
        host = self.path(path)
        if self.windows:
            return self.prefix.windows_path(host)
        return host.replace("/", "\\")

    def write_bytes(self, path, data):
        """Writes `data` exactly; missing directories are made."""
        host = self.path(path)
        os.makedirs(os.path.dirname(host), exist_ok=True)
        with open(host, "wb") as f:
            f.write(data)
        return host

    def write_lines(self, path, lines, line_end="\r\n"):
        """Writes each line followed by `line_end` (CR LF as on Windows)."""
        text = "".join(line + line_end for line in lines)
        return self.write_bytes(path, text.encode("latin-1"))

    def write_profile(self, path, password=None, **values):
        """Writes a complete, valid profile with CR LF line ends; keywords
        change values as profiles.profile_lines does. `password` is the
        encoded value (by default one for "secret")."""
        if password is None:
            password = profiles.encode("secret")
        return self.write_lines(path, profiles.profile_lines(password, **values))

    def read_bytes(self, path):
        with open(self.path(path), "rb") as f:
            return f.read()

    def install_program(self, directory):
        """Copies the installed bin folder into `directory`; returns it."""
        target = self.path(directory)
        os.makedirs(target, exist_ok=True)
        if not os.path.isfile(os.path.join(CONFIG.bin_dir, program_file(PROGRAM))):
            self.fail("no %s in %s: build and install the %s preset first" %
                      (program_file(PROGRAM), CONFIG.bin_dir, CONFIG.platform))
        for name in os.listdir(CONFIG.bin_dir):
            shutil.copy2(os.path.join(CONFIG.bin_dir, name), target)
        return target

    def designate_frontend(self, name, program_dir=None):
        """Places the empty marker <name>.Frontend beside the program."""
        self.assertIn(name, FRONTENDS)
        directory = program_dir or self.bin_dir
        return self.write_bytes(os.path.join(directory, name + ".Frontend"), b"")

    # --- processes ----------------------------------------------------

    def run_program(self, *args, cwd=None, program_dir=None, stdin=b""):
        """Runs the probe with `args`; the working directory is the test's
        directory unless `cwd` names another. Every document in an XML form
        is held to XML's rules (check_xml_document)."""
        result = self._run(PROGRAM, args, cwd, program_dir, stdin)
        if result.stdout.startswith(NATIVE_DECLARATION):
            check_native_document(result.stdout)
        elif self._reads_xml(args, program_dir or self.bin_dir, result):
            check_xml_document(result.stdout)
        return result

    def _reads_xml(self, args, program_dir, result):
        """Whether the run's standard output is one XML document: no
        progress lines (markers) and no RFC error report, and either an
        XML form or the error document, which is XML in every form."""
        argument_text = " ".join(args[1:3])
        if any(marker in argument_text for marker in "#@$%") or result.status == 1:
            return False
        if result.stdout.startswith(self.expected("<Prtg>\n<Error>1</Error>")):
            return True
        designated = [name for name in FRONTENDS
                      if os.path.exists(os.path.join(program_dir, name + ".Frontend"))]
        return not designated or designated[-1] not in _TEXT_FRONTENDS

    def start_program(self, *args):
        """Starts the probe with `args` in the test's directory and returns
        the process (its output is dropped) without waiting for it."""
        program = os.path.join(self.bin_dir, program_file(PROGRAM))
        argv, env = [program] + list(args), None
        if self.windows:
            argv = [self.prefix.loader, self.prefix.windows_path(program)] + list(args)
            env = self.prefix.environment()
        return subprocess.Popen(argv, cwd=self.work_dir, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def run_profile_tool(self, *args, cwd=None, program_dir=None, stdin=b""):
        return self._run(PROFILE_TOOL, args, cwd, program_dir, stdin)

    def encode_password(self, password):
        """The encoded value that `fernwatch-profile encode` prints."""
        key = (CONFIG.platform, password)
        if key not in _encoded:
            result = self.run_profile_tool("encode", stdin=password.encode("latin-1") + b"\n")
            if result.status != 0:
                self.fail("fernwatch-profile encode failed: %r" % result)
            _encoded[key] = result.stdout.decode("latin-1").rstrip("\r\n")
        return _encoded[key]

    def _run(self, name, args, cwd, program_dir, stdin):
        program = os.path.join(program_dir or self.bin_dir, program_file(name))
        work = self.path(cwd) if cwd else self.work_dir
        if self.windows:
            argv = [self.prefix.windows_path(program)] + list(args)
            status, out, err = self.prefix.run(argv, work, stdin, RUN_SECONDS)
        else:
            status, out, err = run_captured([program] + list(args), work, stdin,
                                            RUN_SECONDS)
        return Result(status, out, err)

    # --- expectations -------------------------------------------------

    def expected(self, text):
        """Expected standard output as bytes: a Windows console program's
        LF comes out as CR LF."""
        if self.windows:
            text = text.replace("\n", "\r\n")
        return text.encode("latin-1")

    def assertOutput(self, result, stdout, status, stderr=""):
        """Standard output byte for byte, the exit status, and standard
        error (nothing unless `stderr` says)."""
        self.assertEqual(
            (result.stdout, result.status, result.stderr),
            (self.expected(stdout), status, self.expected(stderr)),
            "in %s" % self.dir)

    def assertErrorDocument(self, result, message):
        self.assertOutput(result, error_document(message), 2)

    def assertConnectionTried(self, result, destination="PRD"):
        """The profile was located and read, and the run went on to log on
        to its system, which fails: no test landscape (RfcSim.ini) is in
        the working directory. Progress lines may come before."""
        document = self.expected(error_document(
            "Error 1011: RFC-Open for %s failed !" % destination))
        self.assertTrue(result.stdout.endswith(document) and result.status == 2
                        and result.stderr == b"", "in %s: %r" % (self.dir, result))


def clear_shared_prefix_files(prefix):
    """Removes what tests place in the prefix outside their own directory:
    C:\\PRTG_Path.Txt and the PRTG directories searched on drive C:."""
    drive = prefix.drive_c
    for name in os.listdir(drive):
        lower = name.lower()
        full = os.path.join(drive, name)
        if lower == "prtg_path.txt":
            os.remove(full)
        elif lower in ("programme", "prtg network monitor"):
            shutil.rmtree(full, ignore_errors=True)
        elif lower in ("program files", "program files (x86)"):
            for inner in os.listdir(full):
                if inner.lower() == "prtg network monitor":
                    shutil.rmtree(os.path.join(full, inner), ignore_errors=True)
