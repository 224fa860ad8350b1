#!/bin/bash
# Benchmarks, each a ratio against a yardstick measured the same way on the same machine:
#   screen build: building a 300-field screen / creating 300 bare windows of the same classes
#                 with CreateWindowExA, best round of each (target <= 1.5);
#   screen load: loading the last screen of a 100,000-line PANT1.DAT / reading the same file's
#                bytes with one ReadFile into a buffer made beforehand (target <= 1.5);
#   exchange: one values exchange with the screen standing (request written, sent, reply
#             received and applied) / a bare socket round trip of the same bytes to the same
#             server, over 1,000 exchanges (target <= 1.3);
#   start-up: start-up until the login screen takes input (its window and "Aceptar" visible,
#             WaitForInputIdle returned and a WM_NULL sent to the window answered) / a bare
#             Win32 program opening one window, until the same, both under the same wine
#             (target <= 1.5, aim 1.3), with the bare program given the client's imports beside
#             it and the client's own breakdown;
#   transfer: receiving and sending 20 MB in blocks / a bare loopback socket carrying the same
#             frames, bytes per second each way (target >= 0.7; tools/bench/transferencia.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"
runs="${KORVU_BENCH_EXCHANGES:-1000}"
# KORVU_BENCH_PARTS=1 also times each step of an exchange on its own; KORVU_BENCH_ONLY picks
# some of them, for example KORVU_BENCH_ONLY=startup,exchange (build, load, exchange, startup,
# transfer).
only="${KORVU_BENCH_ONLY:-}"
want() { [ -z "$only" ] || [[ ",$only," == *",$1,"* ]]; }

"$root/tools/deps.sh"
"$root/tools/build.sh" windows
. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

w="$build/windows"
out="$build/bench"
mkdir -p "$out"
# Only this run's figures reach the table.
rm -f "$out"/{crea_pantalla,pantalla,exchange,startup}.txt "$out/transferencia/transferencia.txt"

# Screen build.
if want build; then
"$w/wine-run.sh" "$w/bench/BenchCreaPantalla.exe" | tr -d '\r' | tee "$out/crea_pantalla.txt"
fi

# Screen load: the bench program writes its own file in the temporary folder.
if want load; then
"$w/wine-run.sh" "$w/bench/BenchLeePantalla.exe" | tr -d '\r' | tee "$out/pantalla.txt"
fi

# The exchange: the test server logs the bench client in, then answers every frame alike.
if want exchange; then
python3 -B "$root/tools/testserver/run.py" --scenario "$root/tools/bench/dialeg.py" \
    --workdir "$out/dialeg" --timeout 900 -- \
    "$w/wine-run.sh" "$w/bench/banc_dialeg.exe" "$runs" 12 /i ana,01,Es,demo, \
    | grep -E "^(exchanges|bench|part)" | tee "$out/exchange.txt"
fi

# Start-up: the client in a folder with its configuration (no server is needed to show the
# login screen), against the bare program; beside it the bare program with the client's imports
# and manifest (what the system loader alone costs) and with the imports the client had when it
# linked every library it uses; then the benchmark build of the client, whose marks give the
# breakdown of its best run.
if want startup; then
inici="$out/arrencada"
mkdir -p "$inici"
cp "$w/bin/korvuc.exe" "$w/bin/korvui01.dll" "$w/bench/finestra_buida.exe" "$w/bench/finestra_imports.exe" \
   "$w/bench/finestra_imports_antics.exe" "$w/bench/banc_korvuc.exe" "$inici/"
printf '%s\r\n' "servidor_int=127.0.0.1;" "port=00001;" "acceso_remoto=no;" "dirdocs=docs;" \
    "usuario=ana;" "empresa=01;" "idioma=Es;" > "$inici/korvuc.cfg"
cd "$inici"
banc() { "$w/wine-run.sh" "$w/bench/banc_arrencada.exe" "$@" | tr -d '\r'; }
banc finestra_buida.exe "Finestra buida" 3 >/dev/null  # warm-up
# Rounds of each in turn; the best of each counts.
: > temps.txt
for ronda in 1 2 3 4 5; do
    echo "buida $(banc finestra_buida.exe "Finestra buida" 4)" >> temps.txt
    echo "imports $(banc finestra_imports.exe "Finestra buida" 4)" >> temps.txt
    echo "antics $(banc finestra_imports_antics.exe "Finestra buida" 4)" >> temps.txt
    echo "client $(banc korvuc.exe "Quorvanta - ver. 2.3.045" 4 Aceptar)" >> temps.txt
    banc --marques banc_korvuc.exe "Quorvanta - ver. 2.3.045" 4 Aceptar | paste -sd' ' | sed 's/^/marques /' >> temps.txt
done
python3 - temps.txt <<'PY' | tee "$out/startup.txt"
import sys
best, marks = {}, None
for line in open(sys.argv[1]):
    f = line.split()
    if f[0] == "marques":
        # "marques TOTAL marques MARK..." (the two lines banc_arrencada prints, joined)
        if marks is None or float(f[1]) < marks[0]:
            marks = [float(v) for v in f[1:2] + f[3:]]
    else:
        best[f[0]] = min(best.get(f[0], 1e9), float(f[1]))
b, c = best["buida"], best["client"]
print("start-up to ready for input: client %.1f ms, bare window %.1f ms, ratio %.3f (best of 20 each)" % (c, b, c / b))
print("  bare window with the client's imports and manifest %.1f ms (%.2f); with its former imports %.1f ms (%.2f)"
      % (best["imports"], best["imports"] / b, best["antics"], best["antics"] / b))
names = ["process entry", "korvuc.cfg read", "fonts, korvui01, folders", "korvui01 bitmaps and icons, rest of the configuration",
         "main window created", "login screen built", "window placed and shown", "window painted",
         "first field focused", "message loop entered", "window and Aceptar seen visible",
         "input idle (WaitForInputIdle returned)"]
points = list(zip(names, marks[1:])) + [("ready: WM_NULL answered", marks[0])]
print("  breakdown of the benchmark build's best run (%.1f ms), from the start:" % marks[0])
before = 0.0
for name, t in sorted(points, key=lambda p: (p[1] < 0, p[1])):
    if t < 0:
        print("    %-56s not reached" % name)
        continue
    print("    %-56s %7.1f ms  (+%.1f)" % (name, t, t - before))
    before = t
PY
cd "$root"
fi

# The file transfer, last: its script ends the wine server it shares with this one.
if want transfer; then
bash "$root/tools/bench/transferencia.sh"
fi

# One table of the six ratios against their targets.
python3 - "$out" <<'PY'
import re, sys, os
out = sys.argv[1]
def read(name):
    p = os.path.join(out, name)
    return open(p).read() if os.path.exists(p) else ""
rows = []
m = re.search(r"\(a\).*?: ([0-9.]+) \(", read("pantalla.txt"))
rows.append(("screen load", m and float(m.group(1)), "<= 1.5", lambda r: r <= 1.5))
m = re.search(r"\(b\).*?: ([0-9.]+) \(", read("crea_pantalla.txt"))
rows.append(("300-field screen build", m and float(m.group(1)), "<= 1.5", lambda r: r <= 1.5))
m = re.search(r"ratio=([0-9.]+)", read("exchange.txt"))
rows.append(("exchange", m and float(m.group(1)), "<= 1.3", lambda r: r <= 1.3))
m = re.search(r"ratio ([0-9.]+)", read("startup.txt"))
rows.append(("start-up", m and float(m.group(1)), "<= 1.5", lambda r: r <= 1.5))
for line in read("transferencia/transferencia.txt").splitlines():
    m = re.match(r"(\S+).*ratio \(median of \d+\) ([0-9.]+)", line)
    if m:
        rows.append(("20 MB transfer, " + m.group(1), float(m.group(2)), ">= 0.7", lambda r: r >= 0.7))
print("\n%-28s %8s  %-7s" % ("benchmark", "ratio", "target"))
for name, r, target, ok in rows:
    print("%-28s %8s  %-7s %s" % (name, "%.2f" % r if r is not None else "-", target,
                                  "" if r is None else ("ok" if ok(r) else "MISSED")))
PY
