#!/usr/bin/env bash
# Sets up, builds and starts Quillbox.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
bash "$root/scripts/build.sh"
build="${QUILLBOX_BUILD_DIR:-$root/build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting Quillbox on a virtual display (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$build/quillbox" "$@"
fi
exec "$build/quillbox" "$@"
