#!/usr/bin/env bash
# Sets up, builds and runs every test headless: the format check, the whole suite with warnings
# as errors, then the logic tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz program for a few seconds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/format-check.sh"
build="${QUILLBOX_BUILD_DIR:-$root/build}"
bash "$root/scripts/build.sh" -DQUILLBOX_WERROR=ON
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
(cd "$build" && ctest --output-on-failure -j1 "$@")

asan="${QUILLBOX_ASAN_BUILD_DIR:-$root/build-asan}"
QUILLBOX_BUILD_DIR="$asan" bash "$root/scripts/build.sh" -DQUILLBOX_WERROR=ON \
    -DQUILLBOX_SANITIZE=ON -DQUILLBOX_GUI=OFF -DQUILLBOX_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$asan" && ctest --output-on-failure -j"$(nproc)" -L logic "$@")

# A few seconds of every fuzz program, from the seeds kept with the sources.
bash "$root/scripts/fuzz.sh" "${QUILLBOX_FUZZ_SECONDS:-5}"
