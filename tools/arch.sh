# Sourced by the build, test, demo and bench scripts: which Windows build the tests run here.
# The client is a 32-bit program, run under 32-bit wine. A kernel built without 32-bit emulation
# cannot start 32-bit wine at all; there the tests run a 64-bit build of the same sources under
# 64-bit wine, and the 32-bit program is still built, so that it keeps compiling.
korvu_host_runs_32bit() {
    # A static 32-bit program that only exits: the loader of wine32 needs the same kernel support.
    local probe="/tmp/korvu-ia32-probe"
    if [ ! -x "$probe" ]; then
        printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80\x00\x00\x00' > "$probe.$$"
        chmod +x "$probe.$$" && mv "$probe.$$" "$probe"
    fi
    "$probe" 2>/dev/null
}
if [ -z "${KORVU_WINDOWS_ARCH:-}" ]; then
    if korvu_host_runs_32bit; then KORVU_WINDOWS_ARCH=i686; else KORVU_WINDOWS_ARCH=x86_64; fi
fi
export KORVU_WINDOWS_ARCH
