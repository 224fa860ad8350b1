#!/bin/bash
# Benchmarks: builds what they need, runs each once on this machine and prints one ratio a line.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/build.sh" windows >/dev/null

. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix" >/dev/null

run() { (cd "$build/windows" && "$build/windows/wine-run.sh" "$@" | tr -d '\r'); }

run "$build/windows/bin/LeePantallaBench.exe"
run "$build/windows/bin/PantallaBench.exe"
