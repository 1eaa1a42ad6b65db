#!/usr/bin/env bash
# Makes the README's pictures again (docs/pictures/*.png and notification.txt) from the real
# windows, with sample data and forum pages served on this machine, on a virtual display.
# Run after a build (scripts/build.sh); needs xvfb-run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLBOX_BUILD_DIR:-$root/build}"
cmake --build "$build" --target readme_pictures
out="$root/docs/pictures"
mkdir -p "$out"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --no-sandbox --disable-background-networking"
unset QT_QPA_PLATFORM
export QT_LOGGING_RULES="qt.webenginecontext.debug=false"
xvfb-run -a -s "-screen 0 1280x900x24" "$build/tests/pictures/readme_pictures" "$out"
du -ch "$out"/*.png | tail -n 1
