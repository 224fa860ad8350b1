"""wine-run.sh starts a program once more only when wine failed before the program ran."""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
LOADER_ERROR = "err:virtual:virtual_alloc_first_teb wine: failed to map the shared user data: c0000018"

# A loader that plays each start from a list: "map" fails as wine does on the address clash,
# before anything was loaded; a number is the program's own exit status after it has run, and
# "child" a program that ran and ended with status 1 after a program it started hit the clash.
# A program that runs has its libraries listed first when WINEDEBUG asks for it, as wine does.
FAKE = """#!/bin/sh
n=$(cat "$1.count" 2>/dev/null || echo 0)
echo $((n + 1)) > "$1.count"
plan=$(sed -n "$((n + 1))p" "$1")
if [ "$plan" = map ]; then echo "%s" >&2; exit 1; fi
case "$WINEDEBUG" in
*loaddll*) echo '0024:trace:loaddll:build_module Loaded L"C:\\\\windows\\\\system32\\\\kernel32.dll" at 7B600000: builtin' >&2 ;;
esac
echo "ran $2"
if [ "$plan" = child ]; then echo "%s" >&2; exit 1; fi
exit "$plan"
""" % (LOADER_ERROR, LOADER_ERROR)

CASES = [
    # plan of starts,   exit status, runs, program output
    (["0"],             0,           1,    "ran arg\n"),
    (["map", "0"],      0,           2,    "ran arg\n"),
    (["3"],             3,           1,    "ran arg\n"),   # the program's own failure
    (["map", "map"],    1,           2,    ""),            # started again once only
    (["map", "5"],      5,           2,    "ran arg\n"),
    (["child"],         1,           1,    "ran arg\n"),   # the clash was not the program's own
    (["child", "0"],    1,           1,    "ran arg\n"),
]


def main():
    template = open(os.path.join(HERE, "..", "wine-run.sh.in")).read()
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        prefix = os.path.join(tmp, "prefix")
        os.makedirs(prefix)
        open(os.path.join(prefix, "system.reg"), "w").close()
        fake = os.path.join(tmp, "loader")
        with open(fake, "w") as f:
            f.write(FAKE)
        script = os.path.join(tmp, "wine-run.sh")
        with open(script, "w") as f:
            f.write(template.replace("@KORVU_WINEPREFIX@", prefix).replace("@KORVU_WINE@", fake))
        os.chmod(fake, 0o755)
        os.chmod(script, 0o755)
        env = {k: v for k, v in os.environ.items() if k != "WINEPREFIX"}
        for i, (plan, status, runs, out) in enumerate(CASES):
            plan_file = os.path.join(tmp, "plan%d" % i)
            with open(plan_file, "w") as f:
                f.write("\n".join(plan) + "\n")
            r = subprocess.run([script, plan_file, "arg"], env=env, timeout=30,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
            got_runs = int(open(plan_file + ".count").read())
            ok = (r.returncode, got_runs, r.stdout) == (status, runs, out)
            # The loader's error still reaches the caller's log.
            ok = ok and (("map" in plan or "child" in plan) == (LOADER_ERROR in r.stderr))
            # The list of loaded libraries that tells a run from none is wine-run.sh's own.
            ok = ok and "loaddll" not in r.stderr
            print("%s plan %s: status %d, %d start(s), output %r, stderr %r"
                  % ("ok  " if ok else "FAIL", plan, r.returncode, got_runs, r.stdout, r.stderr))
            failures += not ok
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
