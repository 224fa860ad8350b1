# Sourced by the test and demo commands: gives wine a display and one persistent wineserver,
# and stops both (only those started here) on exit.
. "$(dirname "${BASH_SOURCE[0]}")/arch.sh"
korvu_started_xvfb=""
korvu_display_up() {
    if [ -z "${DISPLAY:-}" ]; then
        # Xvfb picks a free display itself and writes its number once it accepts clients, so
        # runs side by side never race for the same one.
        local fifo n
        fifo="$(mktemp -u /tmp/korvu-xvfb.XXXXXX)"
        mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        korvu_started_xvfb=$!
        trap korvu_display_down EXIT
        n=""
        read -r -t 30 n <"$fifo" || true
        rm -f "$fifo"
        if [ -z "$n" ]; then
            echo "Xvfb did not start: no display to run the Windows tests on" >&2
            return 1
        fi
        export DISPLAY=":$n"
        if ! xdpyinfo >/dev/null 2>&1; then
            echo "Xvfb started on $DISPLAY but the display does not answer" >&2
            return 1
        fi
    fi
    export WINEPREFIX="$1"
    # The 64-bit test build needs wine's 64-bit loader for wine's own programs too (tools/arch.sh).
    local boot=wineboot
    if [ "${KORVU_WINDOWS_ARCH:-i686}" = x86_64 ]; then
        export WINELOADER=/usr/lib/wine/wine64
        boot="$WINELOADER wineboot"
    fi
    # Wine's own errors only: quiet in a passing run, and what a failed one needs to be read.
    export WINEDEBUG="${WINEDEBUG:--all,err+all}"
    # No debugger on a crash: a crashing test ends at once instead of waiting for one.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    # A persistent server keeps every wine start that follows quick.
    wineserver -p >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the wine prefix in $WINEPREFIX"
        $boot -i >/dev/null 2>&1 || true
    else
        # Start wine's own background processes here, away from any test's output: a test
        # that started them would keep its output open for as long as the server lives.
        $boot >/dev/null 2>&1 || true
    fi
    trap korvu_display_down EXIT
}
korvu_display_down() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$korvu_started_xvfb" ]; then
        kill "$korvu_started_xvfb" 2>/dev/null || true
    fi
}
