#!/bin/bash
# Configures and builds the three trees under build/: windows, native and fuzz.
# Usage: tools/build.sh [windows|native|fuzz]...   (all three when none is named)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"
jobs="$(nproc)"

trees=("$@")
[ ${#trees[@]} -eq 0 ] && trees=(windows native fuzz)

for tree in "${trees[@]}"; do
    dir="$build/$tree"
    if [ ! -f "$dir/build.ninja" ]; then
        case "$tree" in
            windows) cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
            native)  cmake -S "$root" -B "$dir" -G Ninja -DKORVU_FLAVOUR=native -DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc ;;
            fuzz)    cmake -S "$root" -B "$dir" -G Ninja -DKORVU_FLAVOUR=fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang ;;
            *) echo "unknown tree: $tree" >&2; exit 2 ;;
        esac
    fi
    cmake --build "$dir" -j "$jobs"
done

# One ctest run covers every tree.
printf 'subdirs("windows")\nsubdirs("native")\nsubdirs("fuzz")\n' > "$build/CTestTestfile.cmake"
