#!/bin/bash
# Benchmarks: builds the Windows tree and runs every program of build/windows/bench under wine,
# in a scratch folder. Speed goals are checked here, not in the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/deps.sh"
"$root/tools/build.sh" windows

. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

scratch="$build/windows/bench.work"
mkdir -p "$scratch"
for program in "$build"/windows/bench/*.exe; do
    [ -e "$program" ] || continue
    echo "== $(basename "$program" .exe)"
    (cd "$scratch" && "$build/windows/wine-run.sh" "$program")
done
