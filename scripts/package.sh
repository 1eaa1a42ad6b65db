#!/usr/bin/env bash
# The README's package command as a clean clone runs it: CMake's default generator (not the
# Ninja of scripts/build.sh), a build folder of its own, the install prefix /usr, then the
# package target. The tests and benchmarks are left out of this folder: the package holds none
# of them, and scripts/test.sh has built and run them already. ccache is used where it is
# installed. Prints the time it took; ends non-zero when no package was made.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLBOX_PACKAGE_BUILD_DIR:-$root/build-package}"
package="$build/quillbox_2.0_amd64.deb"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
start=$SECONDS
cmake -S "$root" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr -DQUILLBOX_TESTS=OFF \
    -DQUILLBOX_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
generator="$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$build/CMakeCache.txt")"
rm -f "$package"
cmake --build "$build" --target package -j"$(nproc)"
[ -f "$package" ] || {
    echo "package: FAILED: no $package" >&2
    exit 1
}
echo "package: $(basename "$package") built with \"$generator\" in $((SECONDS - start)) s"
