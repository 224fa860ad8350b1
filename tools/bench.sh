#!/bin/bash
# Benchmarks: builds the Windows tree, then runs every program of build/windows/bench/ under
# wine. Each prints its ratios, one a line. They are measurements, never pass or fail.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/build.sh" windows

. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

for bench in "$build"/windows/bench/*.exe; do
    [ -e "$bench" ] || continue
    "$build/windows/wine-run.sh" "$bench"
done
