"""Running a process with its standard streams in files.

Files rather than pipes: a process may leave children behind (Wine's
wineserver does) that would hold a pipe open and stall the reader.
"""

import subprocess
import tempfile


class ProcessHung(Exception):
    pass


def run_captured(argv, cwd, stdin=b"", timeout=120, env=None):
    """Returns (status, stdout bytes, stderr bytes).

    `timeout` only guards against a hang: a process still running after it
    is killed and ProcessHung raised."""
    with tempfile.TemporaryFile() as inp, tempfile.TemporaryFile() as out, \
            tempfile.TemporaryFile() as err:
        inp.write(stdin)
        inp.seek(0)
        try:
            proc = subprocess.run(argv, cwd=cwd, env=env, stdin=inp, stdout=out,
                                  stderr=err, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise ProcessHung("%s did not end within %d s" % (" ".join(argv), timeout))
        out.seek(0)
        err.seek(0)
        return proc.returncode, out.read(), err.read()
