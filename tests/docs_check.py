#!/usr/bin/env python3
"""Every numbered message of the program and the profile tool is documented.

    docs_check.py REPOSITORY

Collects the error numbers ("Error 1003", "Error 10x1") used in the
non-test sources under src/, and the fixed texts of those messages (string
literals that begin with such a number), and checks that docs/ holds each
number and each text word for word. Prints what is missing; exit status 1
then, 0 otherwise.
"""

import os
import re
import sys

ERROR_NUMBER = re.compile(r"Error (1\d\d\d|10x1)\b")
STRING_LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
SOURCE_SUFFIXES = (".cc", ".h")


def is_test_file(name):
    stem = os.path.splitext(name)[0]
    return stem.endswith("_test") or "test_support" in stem


def source_files(src_dir):
    for folder, _, names in os.walk(src_dir):
        for name in sorted(names):
            if name.endswith(SOURCE_SUFFIXES) and not is_test_file(name):
                yield os.path.join(folder, name)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def message_texts(source):
    """Fixed parts of numbered messages, as the program prints them."""
    for literal in STRING_LITERAL.findall(source):
        text = literal.replace('\\"', '"').replace("\\\\", "\\").strip()
        if ERROR_NUMBER.match(text):
            yield text


def documentation(docs_dir):
    texts = []
    for name in sorted(os.listdir(docs_dir)):
        if name.endswith(".md"):
            texts.append(read(os.path.join(docs_dir, name)))
    return "\n".join(texts)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: docs_check.py REPOSITORY\n")
        return 2
    repository = argv[1]
    if not os.path.isdir(os.path.join(repository, "docs")):
        sys.stderr.write("no docs/ folder in %s\n" % repository)
        return 2
    docs = documentation(os.path.join(repository, "docs"))

    numbers, texts = {}, {}
    for path in source_files(os.path.join(repository, "src")):
        source = read(path)
        where = os.path.relpath(path, repository)
        for number in ERROR_NUMBER.findall(source):
            numbers.setdefault("Error " + number, where)
        for text in message_texts(source):
            texts.setdefault(text, where)

    if not numbers:
        sys.stderr.write("no error numbers found under src/: wrong repository?\n")
        return 2
    missing = ["%s (used in %s)" % (n, w) for n, w in sorted(numbers.items()) if n not in docs]
    missing += ['"%s" (text in %s)' % (t, w) for t, w in sorted(texts.items()) if t not in docs]
    for entry in missing:
        print("not documented in docs/: " + entry)
    print("%d error numbers, %d message texts, %d missing"
          % (len(numbers), len(texts), len(missing)))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
