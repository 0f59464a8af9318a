#!/bin/sh
# fuzz/run.sh TARGET SECONDS [libFuzzer options...]
#
# Fuzzes one reader of the game for SECONDS seconds. The fuzz targets are built with clang in
# build-fuzz/ (or $YOMOGI_FUZZ_BUILD) the first time, with AddressSanitizer, clang's whole
# UndefinedBehaviorSanitizer set and libFuzzer; the run starts from the target's seed corpus,
# fuzz/corpus/TARGET/, and keeps what it finds new in build-fuzz/fuzz-work/TARGET/. Inputs that
# crash, hang, run out of memory or break a rule of the game go to build-fuzz/fuzz-findings/TARGET/
# and end the run with status 1; replay one with
#     build-fuzz/fuzz_TARGET FILE        (or, on any compiler: yomogi_fuzz_replay TARGET FILE)
# The last line says: target, seconds, executions, corpus size, findings.
# Targets: world cleared_map save_ending key_config glyph_table result_scripts world_select
# select_positions option_labels title_paths bitmap input_script.
set -eu

if [ $# -lt 2 ]; then
    sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
fi
target=$1
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
build=${YOMOGI_FUZZ_BUILD:-$root/build-fuzz}
if [ ! -d "$root/fuzz/corpus/$target" ]; then
    echo "fuzz/run.sh: no target $target (no fuzz/corpus/$target)" >&2
    exit 2
fi

# One build at a time in the build directory, however many runs start together.
mkdir -p "$build"
(
    flock 9
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
            -DCMAKE_CXX_COMPILER=clang++ -DYOMOGI_FUZZ=ON -DYOMOGI_TESTS=OFF -DYOMOGI_BENCH=OFF >/dev/null
    fi
    if ! nice -n 10 cmake --build "$build" -j2 --target "fuzz_$target" >"$build/.fuzz-build-$target.log" 2>&1; then
        # A tree caught in the middle of a change: fuzz what was built last, if anything was.
        [ -x "$build/fuzz_$target" ] || { cat "$build/.fuzz-build-$target.log" >&2; exit 2; }
        echo "fuzz/run.sh: the build failed (see $build/.fuzz-build-$target.log); running the last fuzz_$target" >&2
    fi
) 9>"$build/.fuzz-build-lock"

work=$build/fuzz-work/$target
findings=$build/fuzz-findings/$target
logs=$build/fuzz-logs
mkdir -p "$work" "$findings" "$logs"
log=$logs/$target.log
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
status=0
nice -n 10 "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=20 \
    -rss_limit_mb=2048 -artifact_prefix="$findings/" "$@" "$work" "$root/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
corpus=$(find "$work" "$root/fuzz/corpus/$target" -type f | wc -l)
found=$(find "$findings" -type f | wc -l)
tail -n 5 "$log"
echo "target=$target seconds=$seconds executions=${executions:-?} corpus=$corpus findings=$found status=$status"
[ "$status" -eq 0 ] && [ "$found" -eq 0 ]
