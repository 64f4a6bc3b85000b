"""A private Wine prefix for running the Windows build.

The prefix's drive C: is <prefix>/drive_c. Programs run with their working
directory inside drive_c, so that their current drive is C:. Their output is
captured in files, never pipes: Wine's helper processes (wineserver and the
services it starts) may outlive the program and would hold a pipe open.
"""

import os
import shutil
import sys

from captured import run_captured

# Debian's wine64 package puts the loader here; the wrappers on PATH come
# from the separate "wine" package and are only a fallback.
_LOADERS = ("/usr/lib/wine/wine64",)
_SERVERS = ("/usr/lib/wine/wineserver",)
# The wine64 loader hands 32-bit programs to this one, from Debian's
# wine32:i386 package.
LOADER_32 = "/usr/lib/wine/wine"

BOOT_SECONDS = 300


def _find(paths, names):
    for path in paths:
        if os.access(path, os.X_OK):
            return path
    for name in names:
        found = shutil.which(name)
        if found:
            return found
    return None


class WineError(Exception):
    pass


def is_32_bit_program(path):
    """True for a PE file built for 32-bit x86 (machine 0x14c)."""
    with open(path, "rb") as f:
        header = f.read(4096)
    if header[:2] != b"MZ" or len(header) < 0x40:
        return False
    pe = int.from_bytes(header[0x3C:0x40], "little")
    return header[pe:pe + 4] == b"PE\0\0" and header[pe + 4:pe + 6] == b"\x4c\x01"


class WinePrefix:
    def __init__(self, path):
        self.path = os.path.abspath(path)
        self.drive_c = os.path.join(self.path, "drive_c")
        self.loader = _find(_LOADERS, ("wine64", "wine"))
        self.server = _find(_SERVERS, ("wineserver",))

    def check_tools(self):
        if not self.loader or not self.server:
            raise WineError(
                "Wine is not installed: no loader (/usr/lib/wine/wine64) or no "
                "wineserver; install the Debian package wine64")

    def environment(self):
        env = dict(os.environ)
        # No display: Wine must never try to open a window or ask anything.
        for name in ("DISPLAY", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        env.update(
            WINEPREFIX=self.path,
            WINELOADER=self.loader or "",
            # FERNWATCH_WINEDEBUG shows Wine's own messages when a run fails
            # in Wine rather than in the program.
            WINEDEBUG=os.environ.get("FERNWATCH_WINEDEBUG", "-all"),
            # No Mono or Gecko installer, no menu entries.
            WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
        )
        return env

    def is_ready(self):
        return os.path.isfile(os.path.join(self.path, "system.reg")) and \
            os.path.isdir(self.drive_c)

    # --- paths --------------------------------------------------------

    def host_path(self, windows_path):
        """C:\\a\\b -> <prefix>/drive_c/a/b (only drive C: exists here)."""
        if len(windows_path) < 3 or windows_path[1:3] != ":\\" or \
                windows_path[0].upper() != "C":
            raise ValueError("not a path on drive C: %r" % windows_path)
        rest = windows_path[3:].replace("\\", "/")
        return os.path.join(self.drive_c, rest) if rest else self.drive_c

    def windows_path(self, host_path):
        """<prefix>/drive_c/a/b -> C:\\a\\b"""
        full = os.path.abspath(host_path)
        rel = os.path.relpath(full, self.drive_c)
        if rel == ".":
            return "C:\\"
        if rel.startswith(".."):
            raise ValueError("%s is not inside drive C: of %s" % (full, self.path))
        return "C:\\" + rel.replace("/", "\\")

    # --- processes ----------------------------------------------------

    def run(self, argv, cwd, stdin=b"", timeout=120):
        """Runs a Windows program: argv[0] is its C:\\ path.

        Returns (status, stdout bytes, stderr bytes).

        Status 1 with nothing at all on stdout and stderr is Wine failing to
        start the program (seen rarely on a loaded machine): the programs
        under test never end with status 1 without a report on stdout. Such
        a start is tried again, at most twice, and said on the test log."""
        self.check_tools()
        for attempt in range(3):
            status, out, err = run_captured([self.loader] + list(argv), cwd, stdin,
                                            timeout, self.environment())
            if (status, out, err) != (1, b"", b""):
                break
            print("\n(Wine did not start %s: exit 1 without output; attempt %d)"
                  % (argv[0], attempt + 1), file=sys.stderr)
        return status, out, err

    def create(self):
        """A new prefix in place of any old one (about 10 s)."""
        self.check_tools()
        self.kill()
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(os.path.dirname(self.path), exist_ok=True)
        status, out, err = run_captured(
            [self.loader, "wineboot", "--init"], os.path.dirname(self.path),
            b"", BOOT_SECONDS, self.environment())
        # wineboot returns while the services it started still write the
        # registry; wait for the prefix's wineserver to end.
        self.wait()
        if status != 0 or not self.is_ready():
            raise WineError(
                "wineboot --init failed for %s (status %d):\n%s%s" %
                (self.path, status, out.decode("latin-1"), err.decode("latin-1")))

    def start_server(self):
        """Starts a wineserver that stays until kill(): an idle server that
        ends by itself can race a program starting just then. Returns False
        when the prefix already had a server."""
        self.check_tools()
        status, _, _ = run_captured([self.server, "-p"], "/", b"", 60, self.environment())
        return status == 0

    def kill(self):
        """Ends the prefix's wineserver and every process in the prefix."""
        if not self.server or not os.path.isdir(self.path):
            return
        run_captured([self.server, "-k"], "/", b"", 60, self.environment())
        self.wait()

    def wait(self):
        if self.server:
            run_captured([self.server, "-w"], "/", b"", BOOT_SECONDS,
                         self.environment())
