"""Reads one file over and over, as a second poll reading the library's
configuration would, and tells whether every read found it whole.

    connection_reader.py FILE READY STOP CANDIDATE...

Creates READY after its first read and stops when STOP exists (or after a
bounded number of reads). A read counts as whole when it equals one of the
CANDIDATE files byte for byte. Prints one line: "<reads> <torn reads>",
followed by the sizes of the first few torn reads.
"""

import os
import sys

MOST_READS = 200000
SHOWN = 5


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError as error:
        return "missing: %s" % error.strerror


def main(argv):
    target, ready, stop = argv[1:4]
    candidates = set()
    for name in argv[4:]:
        with open(name, "rb") as f:
            candidates.add(f.read())
    reads, torn = 0, []
    while reads < MOST_READS:
        stopping = os.path.exists(stop)  # one more read after the last run
        content = read(target)
        reads += 1
        if content not in candidates:
            torn.append(len(content) if isinstance(content, bytes) else content)
        if reads == 1:
            open(ready, "wb").close()
        if stopping:
            break
    print(reads, len(torn), *torn[:SHOWN])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
