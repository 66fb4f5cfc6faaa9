#!/bin/sh
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and runs each for a
# set time, two at a time, then prints executions and coverage per target.
#   scripts/fuzz.sh [SECONDS [TARGET...]]   default 60 seconds (FUZZ_SECONDS works too) for
#                                           every target
# Each target starts from fuzz/corpus/<target> and what earlier runs found (build-fuzz/corpus);
# an input that crashes lands in build-fuzz/findings/<target>/: copy it to
# fuzz/regressions/<target>/ with the fix, and make test replays it from then on.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-60}}
[ $# -gt 0 ] && shift
scripts/deps.sh fuzz
build=build-fuzz
if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMIRATO_FUZZ=ON -DMIRATO_BUILD_TESTS=OFF
fi
targets=${*:-$(sed -n 's/^ *\([a-z_]*\):mirato_[a-z_]*)\{0,1\}$/\1/p' fuzz/CMakeLists.txt)}
cmake --build "$build" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done)

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
run() {
    name=$1
    mkdir -p "$build/corpus/$name" "$build/findings/$name" "$build/logs"
    status=0
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$build/findings/$name/" \
        "$build/corpus/$name" "fuzz/corpus/$name" >"$build/logs/$name.log" 2>&1 || status=$?
    echo "$status" >"$build/logs/$name.status"
}
set -- $targets
while [ $# -gt 0 ]; do
    run "$1" &
    first=$!
    if [ $# -gt 1 ]; then
        run "$2" &
        wait $first $!
        shift 2
    else
        wait $first
        shift
    fi
done

printf '%-18s %14s %8s %8s  %s\n' target executions cov ft result
failed=0
for name in $targets; do
    log="$build/logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    if [ "$(cat "$build/logs/$name.status" 2>/dev/null)" = 0 ]; then
        result=clean
    else
        result="FINDING: see $log and $build/findings/$name/"
        failed=1
    fi
    printf '%-18s %14s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
echo "($seconds s a target)"
exit $failed
