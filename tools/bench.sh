#!/bin/bash
# Benchmarks, each a ratio against a yardstick measured the same way on the same machine:
#   screen load:  loading the last screen of a 100,000-line PANT1.DAT / reading the same file's
#                 bytes with one ReadFile into a buffer made beforehand, best round of each
#                 (target <= 1.5);
#   screen build: building a 300-field screen / creating 300 bare windows of the same classes
#                 with CreateWindowExA, best round of each (target <= 1.5).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/deps.sh"
"$root/tools/build.sh" windows >/dev/null
. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

w="$build/windows"
out="$build/bench"
mkdir -p "$out"

# Screen load: the bench program writes its own file in the temporary folder.
"$w/wine-run.sh" "$w/bench/BenchLeePantalla.exe" | tr -d '\r' | tee "$out/lee_pantalla.txt"

# Screen build.
"$w/wine-run.sh" "$w/bench/BenchCreaPantalla.exe" | tr -d '\r' | tee "$out/crea_pantalla.txt"
