#!/bin/bash
# Builds the client and runs it against the bundled test server playing a small demo company.
# With a display of yours you work in it (user "ana", password "demo"); without one it runs in
# a virtual display, logs in with real keystrokes, walks through the screens and leaves a
# screenshot of each in build/demo/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

# Only the screenshot of a run without a display needs ImageMagick's import.
if [ -z "${DISPLAY:-}" ]; then
    "$root/tools/deps.sh" imagemagick
else
    "$root/tools/deps.sh"
fi
"$root/tools/build.sh" windows

had_display="${DISPLAY:-}"
. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

demo="$build/demo"
mkdir -p "$demo"
work="$demo/work"
server=(python3 -B "$root/tools/testserver/run.py" --scenario "$root/tools/testserver/demo/empresa.py"
        --workdir "$work")
if [ -n "$had_display" ]; then
    echo "Log in as ana, password demo (company 01, language Es). Close the window to end."
    "${server[@]}" --timeout 86400 -- "$build/windows/wine-run.sh" "$build/windows/bin/korvuc.exe"
else
    rm -f "$demo"/*.png
    KORVU_DEMO_DRIVE=1 "${server[@]}" --timeout 120 -- \
        python3 -B "$root/tools/e2e/driver.py" --scenario "$root/tools/testserver/demo/empresa.py" \
        --build "$build/windows" --shots "$demo"
    echo "Screenshots: $(ls "$demo"/*.png | tr '\n' ' ')"
fi
