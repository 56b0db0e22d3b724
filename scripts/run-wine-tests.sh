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
unset DISPLAY WAYLAND_DISPLAY
# Wine spells Windows file names in the Unix locale's character set; without a UTF-8 locale a
# name like "ünnep név.bin" cannot be created at all.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8* | *UTF8* | *utf-8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

mkdir -p "$WINEPREFIX"
# One server for the whole run, so each test program does not pay Wine's start-up again. One
# left over from an interrupted run in this prefix serves as well.
wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
# Set the prefix up once, before test programs start side by side.
wine wineboot --init >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure "$@"
