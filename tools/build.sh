#!/bin/bash
# Configures and builds the three trees under build/: windows, native and fuzz.
# Usage: tools/build.sh [windows|native|fuzz]...   (all three when none is named)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"
jobs="$(nproc)"
. "$root/tools/arch.sh"

trees=("$@")
[ ${#trees[@]} -eq 0 ] && trees=(windows native fuzz)

for tree in "${trees[@]}"; do
    dir="$build/$tree"
    if [ ! -f "$dir/build.ninja" ]; then
        case "$tree" in
            windows) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$KORVU_WINDOWS_ARCH.cmake" ;;
            windows32) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
            native)  cmake -S "$root" -B "$dir" -G Ninja -DKORVU_FLAVOUR=native -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc ;;
            fuzz)    cmake -S "$root" -B "$dir" -G Ninja -DKORVU_FLAVOUR=fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang ;;
            *) echo "unknown tree: $tree" >&2; exit 2 ;;
        esac
    fi
    if [ "$tree" = windows32 ]; then
        cmake --build "$dir" -j "$jobs" --target korvuc korvui01
    else
        cmake --build "$dir" -j "$jobs"
    fi
done
if [ "$KORVU_WINDOWS_ARCH" = x86_64 ] && [[ " ${trees[*]} " == *" windows "* ]]; then
    # The tests run the 64-bit build here; the shipped 32-bit program must still build.
    echo "This kernel runs no 32-bit programs: the Windows tests run a 64-bit build (build/windows);"
    echo "the 32-bit korvuc.exe and korvui01.dll are built in build/windows32."
    "$0" windows32
fi

# One ctest run covers every tree.
printf 'subdirs("windows")\nsubdirs("native")\nsubdirs("fuzz")\n' > "$build/CTestTestfile.cmake"
