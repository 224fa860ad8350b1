#!/bin/bash
# The whole test suite: installs what is missing, builds the three trees, then one ctest run
# (Windows tests under wine in a virtual display, native tests under the sanitizers, fuzzing).
# Arguments go to ctest, for example: tools/test.sh -R ErrorBox
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

"$root/tools/deps.sh"
"$root/tools/build.sh"

. "$root/tools/display.sh"
korvu_display_up "$build/windows/wineprefix"

cd "$build"
set +e
ctest -j "$(nproc)" --output-on-failure "$@"
rc=$?
exit $rc
