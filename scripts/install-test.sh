#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian and appstreamcli, installs it into this
# machine, runs the installed programs as a new user would, removes the package again and checks
# that none of its files is left. Needs root on Debian 12; scripts/test.sh runs it last.
# Any problem stops it with a message and a non-zero status; the package is removed again then.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUILLBOX_BUILD_DIR:-$root/build}"
package="$build/quillbox_2.0_amd64.deb"
export DEBIAN_FRONTEND=noninteractive

fail() {
    echo "install test: FAILED: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "run it as root: it installs and removes the package"

installed() { dpkg-query -W -f='${Status}' quillbox 2>/dev/null | grep -q "install ok installed"; }
work="$(mktemp -d)"
before=""
cleanup() {
    status=$?
    if [ "$status" -ne 0 ] && installed; then
        echo "install test: removing the package after the failure" >&2
        apt-get remove -y -q quillbox >/dev/null 2>&1 || true
    fi
    [ "$status" -eq 0 ] || restore || true
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
# A package found here is put back at the end when a package source still offers its version;
# otherwise the closing line says that it is gone.
if installed; then
    before="$(dpkg-query -W -f='${Version}' quillbox)"
    echo "install test: removing the quillbox package $before installed before" >&2
    apt-get remove -y -q quillbox >/dev/null
fi
restore() {
    [ -n "$before" ] || return 0
    if apt-get install -y -q "quillbox=$before" >"$work/restore.log" 2>&1; then
        echo "install test: put back the quillbox package $before found before"
    else
        echo "install test: the quillbox package $before found before is removed;" \
            "no package source offers it to put it back" >&2
    fi
}

# The package installs under /usr; the programs learn that prefix when they are built.
cmake -S "$root" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
rm -f "$package"
{ cmake --build "$build" -j"$(nproc)" --target installable && (cd "$build" && cpack -G DEB); } \
    >"$work/package.log" 2>&1 || { tail -n 30 "$work/package.log"; fail "building the package"; }
[ -f "$package" ] || fail "no $package"
contents="$(dpkg-deb --contents "$package")"
if grep -E '/(tst_|bench_|fuzz_)|quillbox_render_icon' <<<"$contents"; then
    fail "the package holds tests, benchmarks or build tools"
fi
echo "install test: $(basename "$package") holds $(grep -c '^-' <<<"$contents") files;" \
    "depends on $(dpkg-deb -f "$package" Depends | tr ',' '\n' | wc -l) packages"

# lintian's errors fail the test; its warnings are shown.
lint_status=0
lint="$(lintian --fail-on error "$package" 2>&1)" || lint_status=$?
grep -v "running with root privileges" <<<"$lint" || true
[ "$lint_status" -eq 0 ] || fail "lintian reports errors (status $lint_status)"

apt-get install -y -q "$package" >"$work/apt.log" 2>&1 ||
    { tail -n 30 "$work/apt.log"; fail "apt-get install $package"; }
dpkg -L quillbox >"$work/files"
appstreamcli validate --no-net /usr/share/metainfo/org.quillbox.Quillbox.metainfo.xml >/dev/null ||
    fail "appstreamcli validate rejects the installed metainfo"
for f in /usr/bin/quillbox /usr/bin/quillbox-convert /usr/bin/quillbox-check \
    /usr/share/applications/quillbox.desktop /usr/share/icons/hicolor/scalable/apps/quillbox.svg \
    /usr/share/icons/hicolor/48x48/apps/quillbox.png /usr/share/man/man1/quillbox-check.1.gz \
    /usr/lib/systemd/user/quillbox-check.timer; do
    [ -f "$f" ] || fail "the installed package has no $f"
done

# A new user: an empty home, no folder named in the environment.
home="$work/home"
mkdir -p "$home"
as_new_user() {
    env -u QUILLBOX_DATA_DIR -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
        -u QT_QPA_PLATFORM HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin "$@"
}
[ "$(as_new_user sh -c 'command -v quillbox-convert')" = /usr/bin/quillbox-convert ] ||
    fail "quillbox-convert is not /usr/bin/quillbox-convert on the PATH"
formats="$(as_new_user quillbox-convert --list-formats)" || fail "quillbox-convert --list-formats"
for f in text html ubb ezboard; do
    grep -qx "$f" <<<"$formats" || fail "quillbox-convert --list-formats does not name $f"
done

shown="$(as_new_user QUILLBOX_EXIT_WHEN_SHOWN=1 QTWEBENGINE_DISABLE_SANDBOX=1 \
    timeout 120 xvfb-run -a -s "-screen 0 1280x900x24" quillbox 2>"$work/quillbox.err")" ||
    { rc=$?; tail -n 20 "$work/quillbox.err"; fail "quillbox did not start and quit (status $rc)"; }
grep -Eq '^shown [0-9]+ splash [0-9]+$' <<<"$shown" ||
    { tail -n 20 "$work/quillbox.err"; fail "quillbox never showed its main window: $shown"; }
data="$home/.local/share/Quillbox/Quillbox"
for f in posts.txt posts2.txt sizes.txt messages.txt htmltemp.txt; do
    [ -f "$data/$f" ] || fail "quillbox made no $data/$f"
done
[ "$(stat -c %a "$data/posts2.txt")" = 600 ] || fail "posts2.txt is readable by others"
for f in posts.txt posts2.txt sizes.txt messages.txt htmltemp.txt; do
    [ ! -e "/usr/bin/$f" ] || fail "quillbox wrote /usr/bin/$f beside its executable"
done
echo "install test: quillbox ($shown, in ms) made its data files in ~/.local/share/Quillbox/Quillbox"

apt-get remove -y -q quillbox >"$work/apt.log" 2>&1 ||
    { tail -n 30 "$work/apt.log"; fail "apt-get remove quillbox"; }
left=()
while IFS= read -r f; do
    if [ -e "$f" ] && [ ! -d "$f" ]; then left+=("$f"); fi
done <"$work/files"
[ ${#left[@]} -eq 0 ] || fail "left after removal: ${left[*]}"
echo "install test: installed, ran and removed $(basename "$package"); nothing left in /usr"
restore
