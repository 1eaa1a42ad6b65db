#!/usr/bin/env bash
# Installs the Debian packages Quillbox needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev qt6-webengine-dev-tools
    libgl-dev libxkbcommon-dev
    # the translations: lrelease builds them, Qt's own dialogs come translated
    qt6-l10n-tools qt6-translations-l10n
    # tests: a real web server and certificates for the fetcher, a virtual display
    nginx openssl curl xvfb xauth dbus-daemon
    # the desktop keyring: qtkeychain over the Secret Service (libsecret), and for its test a
    # keyring daemon of its own and a second program that reads it
    qtkeychain-qt6-dev libsecret-1-0 gnome-keyring libsecret-tools
    # the Debian package and its checks (dpkg-shlibdeps computes its dependencies)
    dpkg-dev file lintian appstream
    # the format check
    clang-format
    # the fuzz programs: clang with libFuzzer (-fsanitize=fuzzer comes with compiler-rt)
    clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
