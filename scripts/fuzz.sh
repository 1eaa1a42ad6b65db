#!/usr/bin/env bash
# Builds the fuzz programs (clang, AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer) into
# ./build-fuzz (or $QUILLBOX_FUZZ_BUILD_DIR) and runs each for the given seconds (default 60),
# one after another, starting from its seeds in fuzz/corpus/<name>/. New inputs the fuzzer
# finds go to build-fuzz/corpus/<name>/, never into the repository; a failing input is kept as
# build-fuzz/crash-<name>-* and stops the script with an error.
#   scripts/fuzz.sh [seconds] [name ...]   (QUILLBOX_FUZZ_RUNS=n stops each after n runs)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLBOX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
shift || true

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DQUILLBOX_FUZZ=ON -DQUILLBOX_GUI=OFF \
    -DQUILLBOX_TESTS=OFF -DQUILLBOX_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for f in "$root"/fuzz/fuzz_*.cpp; do
        names+=("$(basename "$f" .cpp | sed 's/^fuzz_//')")
    done
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
for name in "${names[@]}"; do
    work="$build/corpus/$name"
    mkdir -p "$work"
    echo "== fuzz_$name: ${seconds}s"
    # -timeout: an input that takes seconds is a hang in a program whose work is linear.
    log="$build/fuzz_$name.log"
    status=0
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -runs="${QUILLBOX_FUZZ_RUNS:--1}" \
        -timeout=10 -rss_limit_mb=2048 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/crash-$name-" \
        "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        echo "fuzz_$name failed; its log is $log"
        exit 1
    fi
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units)' "$log" || true
done
