"""The libraries the system loader maps before the program's entry: only those the login screen
needs. The others are loaded at their first use, so none of them may stand in the import table
of korvuc.exe (of each build given that exists); and the start-up benchmark's yardstick with
the client's imports must import the same libraries as the client.

    importacions.py OBJDUMP KORVUC_EXE YARDSTICK_EXE [OBJDUMP EXE]...
"""

import os
import re
import subprocess
import sys

LAZY = {"ws2_32.dll", "winspool.drv", "comdlg32.dll", "winmm.dll", "shell32.dll", "ole32.dll",
        "oleaut32.dll"}


def imports(objdump, exe):
    out = subprocess.run([objdump, "-p", exe], check=True, stdout=subprocess.PIPE).stdout.decode()
    return {m.lower() for m in re.findall(r"DLL Name: (\S+)", out)}


def main(args):
    failed = False
    client = imports(args[0], args[1])
    yardstick = imports(args[0], args[2])
    checked = [(args[1], client)]
    rest = args[3:]
    for objdump, exe in zip(rest[0::2], rest[1::2]):
        if os.path.exists(exe):
            checked.append((exe, imports(objdump, exe)))
    for exe, dlls in checked:
        print("%s imports %s" % (exe, " ".join(sorted(dlls))))
        if dlls & LAZY:
            print("FAIL: loaded at start-up, not at first use: %s" % " ".join(sorted(dlls & LAZY)))
            failed = True
    if client != yardstick:
        print("FAIL: the yardstick imports %s" % " ".join(sorted(yardstick)))
        failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
