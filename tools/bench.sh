#!/bin/bash
# Benchmarks, each a ratio against a yardstick measured the same way on the same machine:
#   screen build: building a 300-field screen / creating 300 bare windows of the same classes
#                 with CreateWindowExA, best round of each (target <= 1.5);
#   screen load: loading the last screen of a 100,000-line PANT1.DAT / reading the same file's
#                bytes with one ReadFile into a buffer made beforehand (target <= 1.5);
#   exchange: one values exchange with the screen standing (request written, sent, reply
#             received and applied) / a bare socket round trip of the same bytes to the same
#             server, over 1,000 exchanges (target <= 1.3);
#   start-up: start-up to the login screen shown / a bare Win32 program opening one window,
#             both under the same wine (target <= 1.3);
#   transfer: receiving and sending 20 MB in blocks / a bare loopback socket carrying the same
#             frames, bytes per second each way (target >= 0.7; tools/bench/transferencia.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"
runs="${KORVU_BENCH_EXCHANGES:-1000}"
# KORVU_BENCH_PARTS=1 also times each step of an exchange on its own.

"$root/tools/deps.sh"
"$root/tools/build.sh" windows
. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

w="$build/windows"
out="$build/bench"
mkdir -p "$out"

# Screen build.
"$w/wine-run.sh" "$w/bench/BenchCreaPantalla.exe" | tr -d '\r' | tee "$out/crea_pantalla.txt"

# Screen load: the bench program writes its own file in the temporary folder.
"$w/wine-run.sh" "$w/bench/BenchLeePantalla.exe" | tr -d '\r' | tee "$out/pantalla.txt"

# The exchange: the test server logs the bench client in, then answers every frame alike.
python3 -B "$root/tools/testserver/run.py" --scenario "$root/tools/bench/dialeg.py" \
    --workdir "$out/dialeg" --timeout 900 -- \
    "$w/wine-run.sh" "$w/bench/banc_dialeg.exe" "$runs" 12 /i ana,01,Es,demo, \
    | grep -E "^(exchanges|bench|part)" | tee "$out/exchange.txt"

# Start-up: the client in a folder with its configuration (no server is needed to show the
# login screen), against the bare program.
inici="$out/arrencada"
mkdir -p "$inici"
cp "$w/bin/korvuc.exe" "$w/bin/korvui01.dll" "$w/bench/finestra_buida.exe" "$inici/"
printf '%s\r\n' "servidor_int=127.0.0.1;" "port=00001;" "acceso_remoto=no;" "dirdocs=docs;" \
    "usuario=ana;" "empresa=01;" "idioma=Es;" > "$inici/korvuc.cfg"
cd "$inici"
"$w/wine-run.sh" "$w/bench/banc_arrencada.exe" finestra_buida.exe "Finestra buida" 3 >/dev/null  # warm-up
# Rounds of both in turn; the best of each counts.
buida=100000
client=100000
for ronda in 1 2 3 4 5; do
    b=$("$w/wine-run.sh" "$w/bench/banc_arrencada.exe" finestra_buida.exe "Finestra buida" 4 | tr -d '\r')
    c=$("$w/wine-run.sh" "$w/bench/banc_arrencada.exe" korvuc.exe "Quorvanta - ver. 2.3.045" 4 Aceptar | tr -d '\r')
    buida=$(python3 -c "print(min($buida, $b))")
    client=$(python3 -c "print(min($client, $c))")
done
python3 -c "import sys; b, c = float(sys.argv[1]), float(sys.argv[2]); print('start-up: client %.1f ms, bare window %.1f ms, ratio %.3f (best of 20 each)' % (c, b, c / b))" \
    "$buida" "$client" | tee "$out/startup.txt"

# The file transfer, last: its script ends the wine server it shares with this one.
bash "$root/tools/bench/transferencia.sh"
