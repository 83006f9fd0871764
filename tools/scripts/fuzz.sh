#!/bin/sh
# Fuzzes every file reader of the game: builds the fuzz targets with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer in their own build
# folder, runs each for FUZZ_SECONDS seconds (default 60) from a copy of its
# seeds in tests/fuzz/<reader>/, and prints per reader the executions and the
# findings. A finding (crash, out-of-bounds access, undefined behaviour, an
# allocation over the limit, an out-of-range table access) is kept under
# <build>/runs/<reader>/findings/; add it to tests/fuzz/<reader>/ once fixed.
# Usage: fuzz.sh [build folder]
set -e
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$SOURCE/build-fuzz}
mkdir -p "$BUILD"
BUILD=$(cd "$BUILD" && pwd)
SECONDS_EACH=${FUZZ_SECONDS:-60}
JOBS=${JOBS:-2}
GOAL=1000000
# The biggest allocation a reader may make: a picture of the largest side the
# game takes (8192 x 8192 pixels of 4 bytes) is 256 MB.
MALLOC_LIMIT_MB=260
READERS="settings profiles champions best_times levels texts splash png jpeg ogg wav icon"

if [ -z "$FUZZ_NO_BUILD" ]; then
    cmake -S "$SOURCE" -B "$BUILD" -DGLD_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD" -j "$JOBS"
fi

# With more than one job each reader runs in that many processes at once
# (libFuzzer's fork mode); the executions printed are those of all of them.
FORK=""
[ "$JOBS" -gt 1 ] && FORK="-fork=$JOBS"

RUNS="$BUILD/runs"
rm -rf "$RUNS"
mkdir -p "$RUNS"
failed=0
short=0
printf '\n%-11s %12s %9s  %s\n' reader executions findings result
for reader in ${FUZZ_READERS:-$READERS}; do
    dir="$RUNS/$reader"
    mkdir -p "$dir/corpus" "$dir/findings" "$dir/tmp"
    cp "$SOURCE/tests/fuzz/$reader/"* "$dir/corpus/"
    # The readers' scratch files go to a private folder in memory when the
    # machine has one (it doubles the executions), else into the run's folder.
    scratch="$dir/tmp"
    [ -d /dev/shm ] && [ -w /dev/shm ] && scratch=$(mktemp -d /dev/shm/glimmerdeep-fuzz.XXXXXX)
    TMPDIR="$scratch" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1" UBSAN_OPTIONS="print_stacktrace=1" \
        "$BUILD/tests/fuzz/fuzz_$reader" $FORK -max_total_time="$SECONDS_EACH" -print_final_stats=1 \
        -malloc_limit_mb="$MALLOC_LIMIT_MB" -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
        -artifact_prefix="$dir/findings/" "$dir/corpus" >"$dir/log.txt" 2>&1 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log.txt" | tail -1)
    [ -z "$runs" ] && runs=$(sed -n 's/^#\([0-9]*\).*/\1/p' "$dir/log.txt" | tail -1)
    [ -z "$runs" ] && runs=0
    findings=$(find "$dir/findings" -type f | wc -l)
    if [ "$findings" -gt 0 ]; then
        result="FINDING (see $dir/findings and $dir/log.txt)"
        failed=1
    elif [ "$runs" -lt "$GOAL" ]; then
        result="clean, below the goal of $GOAL executions"
        short=1
    else
        result="clean"
    fi
    printf '%-11s %12s %9s  %s\n' "$reader" "$runs" "$findings" "$result"
    rm -rf "$dir/tmp" "$scratch"
done
echo
echo "goal: every reader at least $GOAL executions with no finding (${SECONDS_EACH} s each)"
if [ "$failed" = 1 ]; then
    echo "fuzzing found faults"
    exit 1
fi
[ "$short" = 1 ] && echo "no finding; some readers ran fewer executions than the goal (try FUZZ_SECONDS=$((SECONDS_EACH * 2)))"
exit 0
