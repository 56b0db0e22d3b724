#!/usr/bin/env bash
# Runs the cross-built Windows tests under Wine, in a private Wine prefix inside the build
# folder and on a private X server for the tests that show the window.
# Usage: scripts/run-wine-tests.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [ctest arguments...]}
shift
source "$(dirname "$0")/wine-session.sh" "$build"
ctest --test-dir "$build" --output-on-failure "$@"
