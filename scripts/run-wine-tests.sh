#!/usr/bin/env bash
# Runs the cross-built Windows tests under Wine, in a private Wine prefix inside the build
# folder, so the user's own ~/.wine and its registry are never touched.
# Usage: scripts/run-wine-tests.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [ctest arguments...]}
shift

WINEPREFIX="$(cd "$build" && pwd)/wineprefix"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or HTML, and asking for them would stall start-up.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY
# Wine spells Windows file names in the Unix locale's character set; without a UTF-8 locale a
# name like "ünnep név.bin" cannot be created at all.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8* | *UTF8* | *utf-8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

mkdir -p "$WINEPREFIX"
# The Win32 window's tests show real windows: a private X server of their own, so nothing
# appears on the user's desktop and a test run does not need one.
display_file=$(mktemp)
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.1; done
[[ -s "$display_file" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display_file")"
rm -f "$display_file"
# One server for the whole run, so each test program does not pay Wine's start-up again. One
# left over from an interrupted run in this prefix serves as well.
wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
# Set the prefix up once, before test programs start side by side.
wine wineboot --init >/dev/null 2>&1
# No window manager runs here: Wine draws the windows' frames itself instead of waiting for one
# (which would cost two seconds every time a window closes).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure "$@"
