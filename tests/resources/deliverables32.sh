#!/bin/sh
# The shipped images, read from their headers: 32-bit, and importing no compiler runtime.
set -e
for f in "$1/korvuc.exe" "$1/korvui01.dll"; do
    headers="$(i686-w64-mingw32-objdump -p "$f")"
    echo "$headers" | grep -q 'file format pei-i386' || { echo "$f is not a 32-bit image"; exit 1; }
    if echo "$headers" | grep -iE 'DLL Name: *(libstdc|libgcc|libwinpthread)'; then
        echo "$f is not linked statically"
        exit 1
    fi
done
