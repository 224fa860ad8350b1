# Sourced by the test and demo commands: gives wine a display and one persistent wineserver,
# and stops both (only those started here) on exit.
korvu_started_xvfb=""
korvu_display_up() {
    if [ -z "${DISPLAY:-}" ]; then
        local n=99
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        korvu_started_xvfb=$!
        trap korvu_display_down EXIT
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
    fi
    export WINEPREFIX="$1"
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    # A persistent server keeps every wine start that follows quick.
    wineserver -p >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the wine prefix in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
    else
        # Start wine's own background processes here, away from any test's output: a test
        # that started them would keep its output open for as long as the server lives.
        wineboot >/dev/null 2>&1 || true
    fi
    trap korvu_display_down EXIT
}
korvu_display_down() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$korvu_started_xvfb" ]; then
        kill "$korvu_started_xvfb" 2>/dev/null || true
    fi
}
