#!/usr/bin/env bash
# Installs and packages the program the way a user gets it and checks the result: the desktop
# entry and the AppStream metadata validate, the Debian package passes lintian without errors
# or hardening tags, its unpacked files are where the metadata says, its program is hardened, and
# the unpacked program starts and keeps running. Needs a configured and built folder.
# Usage: scripts/check-install.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
id=hu.veltrimo.Duplexa
work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

step() { echo "== $*"; }
fail() { echo "check-install: $*" >&2; exit 1; }

step "install into a prefix, validate the desktop entry and the metadata"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
desktop-file-validate "$work/prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$id.metainfo.xml"
"$root/scripts/check-package-layout.py" "$work/prefix"

step "build the Debian package"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/duplexa_${version}-1_$(dpkg --print-architecture).deb
rm -f "$deb"
# A strict umask must not reach the package's folders.
(umask 077 && cmake --build "$build" --target package) >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
[[ -f $deb ]] || fail "no package named ${deb#"$build"/}"
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt6widgets6* ]] || fail "dependencies not read from the binary: '$depends'"
odd=$(dpkg-deb --contents "$deb" | grep '^d' | grep -v '^drwxr-xr-x root/root ' || true)
[[ -z $odd ]] || fail "folders not rwxr-xr-x root/root: $odd"

step "lintian ${deb#"$build"/}"
lint_status=0
lintian -I --fail-on error "$deb" >"$work/lintian.log" 2>&1 || lint_status=$?
# Root is warned against, not refused; the warning says nothing about the package.
grep -v '^running with root privileges' "$work/lintian.log" || true
[[ $lint_status -eq 0 ]] || fail "lintian found errors"
! grep -q ' hardening-' "$work/lintian.log" || fail "lintian finds the program not hardened"

step "unpack the package and check where its files are"
dpkg-deb -x "$deb" "$work/root"
"$root/scripts/check-package-layout.py" "$work/root/usr"
# PIE, stack protector, fortified calls, RELRO and immediate binding, as Debian builds them.
hardening-check --nocfprotection "$work/root/usr/bin/duplexa"
# A new version needs its own release in the metadata and its own changelog entry.
newest=$(grep -o -m1 '<release version="[^"]*"' "$work/root/usr/share/metainfo/$id.metainfo.xml")
[[ $newest == "<release version=\"$version\"" ]] || fail "newest metadata release is not $version"
entry=$(gzip -dc "$work/root/usr/share/doc/duplexa/changelog.Debian.gz" | sed -n 1p)
[[ $entry == "duplexa ($version-1) "* ]] || fail "newest changelog entry is not $version-1"

step "start the unpacked program"
# Its own settings folder, so the check never touches the user's.
mkdir -p "$work/config"
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/duplexa" \
    >"$work/program.log" 2>&1 &
program_pid=$!
sleep 1
if ! kill -0 "$program_pid" 2>/dev/null; then
    status=0
    wait "$program_pid" || status=$?
    program_pid=
    cat "$work/program.log" >&2
    fail "the unpacked program ended within a second (exit status $status)"
fi
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
echo "check-install: all good (${deb#"$build"/})"
