#!/bin/bash
# Fuzzes the parsers of outside data for as long as you like.
# Usage: tools/fuzz.sh TARGET|all MINUTES
#   Builds the fuzz tree, then runs each target (or the one named) for MINUTES minutes on its
#   committed seeds (tests/<area>/corpus/<target>/, only read) and on what earlier runs found
#   (build/fuzz/tests/<area>/<target>.found/, where new finds are saved). A crash is printed with
#   the input that caused it, and the run goes on to the next target; the exit status is 1 when
#   any target crashed.
# The fuzz tests of ctest run one target through this script too:
#   tools/fuzz.sh --test EXECUTABLE SECONDS FOUND SEEDS ARTIFACT_PREFIX
#   With CI=true the search starts from a fixed seed, so that every run of the same sources
#   replays the corpus and tries the same inputs: a crash found by chance elsewhere cannot fail
#   an unrelated change there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVU_BUILD_DIR:-$root/build}"

usage() {
    echo "usage: tools/fuzz.sh TARGET|all MINUTES" >&2
    exit 2
}

# Prints the input that libFuzzer saved for a crash, read from its output in LOG.
show_crash() {
    local log="$1" input
    input="$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)"
    if [ -z "$input" ] || [ ! -f "$input" ]; then
        echo "the crashing input was not saved; see the output above" >&2
        return
    fi
    echo "Crashing input ($(stat -c %s "$input") bytes): $input" >&2
    od -A d -t x1z -v -N 4096 "$input" >&2
}

# fuzz EXECUTABLE SECONDS FOUND SEEDS ARTIFACT_PREFIX LOG [more libFuzzer options]
fuzz() {
    local exe="$1" seconds="$2" found="$3" seeds="$4" prefix="$5" log="$6"
    shift 6
    mkdir -p "$found"
    local rc=0
    "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
           -artifact_prefix="$prefix" "$@" "$found" "$seeds" >"$log" 2>&1 || rc=$?
    return $rc
}

if [ "${1:-}" = "--test" ]; then
    [ $# -eq 6 ] || usage
    log="$(mktemp)"
    trap 'rm -f "$log"' EXIT
    options=()
    [ "${CI:-}" = "true" ] && options+=(-seed=1)
    set +e
    fuzz "$2" "$3" "$4" "$5" "$6" /dev/stdout "${options[@]}" | tee "$log"
    rc=${PIPESTATUS[0]}
    set -e
    [ $rc -eq 0 ] || show_crash "$log"
    exit $rc
fi

[ $# -eq 2 ] || usage
target="$1"
minutes="$2"
[[ "$minutes" =~ ^[1-9][0-9]*$ ]] || usage

"$root/tools/build.sh" fuzz >/dev/null

# Every target of the fuzz tree has its finds folder there: tests/<area>/<target>.found.
mapfile -t folders < <(cd "$build/fuzz/tests" && find . -name '*.found' -type d | sed 's|^\./||' | sort)
chosen=()
for f in "${folders[@]}"; do
    name="$(basename "$f" .found)"
    if [ "$target" = "all" ] || [ "$target" = "$name" ]; then
        chosen+=("$f")
    fi
done
if [ ${#chosen[@]} -eq 0 ]; then
    echo "no fuzz target named $target; there are:" >&2
    for f in "${folders[@]}"; do echo "  $(basename "$f" .found)" >&2; done
    exit 2
fi

crashed=()
for f in "${chosen[@]}"; do
    name="$(basename "$f" .found)"
    area="$(dirname "$f")"
    log="$build/fuzz/tests/$area/$name.log"
    echo "$name: fuzzing for $minutes minute(s); output in $log"
    if fuzz "$build/fuzz/bin/$name" $((minutes * 60)) "$build/fuzz/tests/$f" \
            "$root/tests/$area/corpus/$name" "$build/fuzz/tests/$area/$name-" "$log"; then
        echo "$name: no crash; $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" \
              | grep -o '[0-9]*$') inputs tried, $(find "$build/fuzz/tests/$f" -type f | wc -l) found inputs kept"
    else
        echo "$name: CRASH" >&2
        tail -n 40 "$log" >&2
        show_crash "$log"
        crashed+=("$name")
    fi
done
if [ ${#crashed[@]} -gt 0 ]; then
    echo "Crashed: ${crashed[*]}" >&2
    exit 1
fi
