#!/bin/sh
# Runs a test program, with its arguments, against a Secret Service of its own: a private session
# bus with gnome-keyring-daemon on it, holding a new login keyring unlocked with a throwaway
# password, all in a temporary home. The user's own bus and keyring are never reached.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT INT TERM
mkdir -m 700 "$home/runtime"
export HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_DATA_HOME="$home/share" \
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache"
unset DBUS_SESSION_BUS_ADDRESS GNOME_KEYRING_CONTROL
# The daemon ends with the bus, when the test program has ended.
dbus-run-session -- sh -c '
    printf test-keyring | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    exec "$@"' sh "$@"
