#!/bin/bash
# Builds the client and starts it under wine. With a display of yours it runs until you close
# it; without one it runs in a virtual display and leaves a screenshot in build/demo.png.
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
cp "$build/windows/bin/korvuc.exe" "$build/windows/bin/korvui01.dll" "$demo/"
cd "$demo"
if [ ! -f korvuc.cfg ]; then
    printf '%s\r\n' "# korvuc demo" "servidor_int=127.0.0.1;" "port=08000;" "acceso_remoto=no;" \
        "dirdocs=docs;" "usuario=demo;" "empresa=01;" "idioma=Es;" > korvuc.cfg
fi
if [ -n "$had_display" ]; then
    wine korvuc.exe
else
    # No window manager here: a wine desktop draws the frame and caption.
    wine explorer /desktop=korvuc,1024x700 korvuc.exe &
    pid=$!
    sleep "${KORVU_DEMO_SECONDS:-5}"
    import -window root "$build/demo.png" && echo "Screenshot: $build/demo.png"
    kill "$pid" 2>/dev/null || true
fi
