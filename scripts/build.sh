#!/usr/bin/env bash
# Configures and builds Quillbox into ./build (or $QUILLBOX_BUILD_DIR); extra arguments go to
# CMake's configure step.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLBOX_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
