#!/bin/bash
# Benchmark of the file transfer: receiving and sending 20 MB in blocks, each as a ratio of
# bytes per second against a bare loopback socket carrying the same frames in the same sizes
# with the same acknowledgements (target >= 0.7 both ways). Runs on its own or from bench.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/deps.sh"
"$root/tools/build.sh" windows
. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

out="$build/bench/transferencia"
mkdir -p "$out"
cd "$out"
"$build/windows/wine-run.sh" "$build/windows/bench/BenchTransferencia.exe" | tr -d '\r' \
    | tee "$out/transferencia.txt"
