#!/bin/bash
# Installs what the build and the tests need, once: a machine that has it all does nothing slow.
# Usage: tools/deps.sh [more packages]...   (the demo adds what its screenshot needs)
set -euo pipefail
. "$(dirname "$0")/arch.sh"

packages=(cmake ninja-build python3 g++ clang googletest
          g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev mingw-w64-tools
          wine wine32:i386 xvfb xauth x11-utils xdotool "$@")
if [ "$KORVU_WINDOWS_ARCH" = x86_64 ]; then
    packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64)
fi

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"
}

updated=""
install() {
    echo "Installing: $*"
    if [ -z "$updated" ]; then
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            dpkg --add-architecture i386
        fi
        apt-get update -qq
        updated=1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"

# libFuzzer and the sanitizers' runtime match the installed clang's version; releases that ship
# them apart from clang name the package after that version.
if ! ls "$(clang -print-runtime-dir)"/libclang_rt.fuzzer*.a >/dev/null 2>&1; then
    install "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
