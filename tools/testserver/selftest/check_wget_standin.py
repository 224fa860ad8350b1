#!/usr/bin/env python3
"""Runs the wget stand-in under wine with each control line and checks what it leaves.

Usage: check_wget_standin.py WINE_RUN WGET_EXE WORKDIR
"""

import os
import shutil
import subprocess
import sys

URL = "http://127.0.0.1:9/vintuip"


def main(wine_run, exe, workdir):
    if os.path.isdir(workdir):
        shutil.rmtree(workdir)
    os.makedirs(workdir)
    shutil.copy(exe, os.path.join(workdir, "wget.exe"))
    cases = [  # control file bytes (None: no file), exit status, vintuip bytes (None: no file)
        (None, 0, None),
        (b"nothing\r\n", 0, None),
        (b"write 127.0.0.1;8000", 0, b"127.0.0.1;8000"),
        (b"write 10.0.0.7;08080;\r\nignored\r\n", 0, b"10.0.0.7;08080;"),
        (b"write\n", 0, b""),
        (b"fail\n", 1, None),
        (b"hang 1\n", 0, None),
        (b"empty vintuip\n", 0, b""),
        (b"copy wget-standin.cfg vintuip\n", 0, b"copy wget-standin.cfg vintuip\n"),
        (b"copy missing vintuip\n", 2, None),
        (b"explode\n", 3, None),
    ]
    problems = []
    for control, status, vintuip in cases:
        for name in ("wget-standin.cfg", "vintuip"):
            if os.path.exists(os.path.join(workdir, name)):
                os.remove(os.path.join(workdir, name))
        if control is not None:
            with open(os.path.join(workdir, "wget-standin.cfg"), "wb") as f:
                f.write(control)
        rc = subprocess.run([wine_run, os.path.join(workdir, "wget.exe"), URL], cwd=workdir,
                            timeout=60).returncode
        path = os.path.join(workdir, "vintuip")
        got = open(path, "rb").read() if os.path.exists(path) else None
        if (rc, got) != (status, vintuip):
            problems.append("control %r: exit %d and vintuip %r, expected %d and %r" % (
                control, rc, got, status, vintuip))
    with open(os.path.join(workdir, "wget-standin.log"), "rb") as f:
        log = f.read().split(b"\n")
    if log[-1] != b"" or len(log) - 1 != len(cases) or \
            not all(line.endswith(b" " + URL.encode()) for line in log[:-1]):
        problems.append("wget-standin.log: %r" % log)
    for p in problems:
        print("FAIL " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
