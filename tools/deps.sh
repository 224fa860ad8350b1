#!/bin/bash
# Installs what the build and the tests need, once: a machine that has it all does nothing slow.
set -euo pipefail

packages=(cmake ninja-build python3 g++ clang libclang-rt-14-dev googletest
          g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev mingw-w64-tools
          wine wine32:i386 xvfb xauth x11-utils imagemagick xdotool)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
