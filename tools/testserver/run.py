#!/usr/bin/env python3
"""Runs a client command against the scripted test server.

Usage: run.py --scenario FILE --workdir DIR [--timeout SECONDS] [--standins DIR] -- COMMAND...

The workdir is emptied and gets crpt.cfg (the key), korvuc.cfg and transcript.txt; the command
runs there with KORVU_DISPATCHER_PORT, KORVU_APP_PORT, KORVU_CLOSED_PORT, KORVU_WORKDIR (and
KORVU_STANDINS_DIR) set. Exit status 0 only when the command exited 0 and the scenario held.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from korvusrv import harness  # noqa: E402


def main(argv):
    if "--" not in argv:
        print("usage: run.py --scenario FILE --workdir DIR [--timeout S] -- COMMAND...",
              file=sys.stderr)
        return 2
    cut = argv.index("--")
    parser = argparse.ArgumentParser(prog="run.py")
    parser.add_argument("--scenario", required=True)
    parser.add_argument("--workdir", required=True)
    parser.add_argument("--timeout", type=float, default=30.0)
    parser.add_argument("--standins", default=os.environ.get("KORVU_STANDINS_DIR"))
    args = parser.parse_args(argv[:cut])
    command = argv[cut + 1:]
    if not command:
        parser.error("no client command after --")
    return harness.run(args.scenario, args.workdir, command, args.timeout, args.standins)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
