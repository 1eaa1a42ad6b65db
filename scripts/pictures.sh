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
# With a notification service on a private session bus, the notification is pictured too.
if command -v dbus-run-session >/dev/null && command -v dunst >/dev/null; then
    xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- bash -c \
        'dunst >/dev/null 2>&1 & sleep 1; "$0" "$1"; status=$?; kill %1; exit $status' \
        "$build/tests/pictures/readme_pictures" "$out"
else
    echo "No dunst: the notification is kept as text only (apt-get install dunst)." >&2
    xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/pictures/readme_pictures" "$out"
fi
# A first start on a laptop's screen, and the window in German.
xvfb-run -a -s "-screen 0 1366x768x24" "$build/tests/pictures/readme_pictures" "$out" first-start
LANGUAGE=de xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/pictures/readme_pictures" \
    "$out" german
du -ch "$out"/*.png | tail -n 1
