#!/usr/bin/env bash
# Pictures of the Win32 window under Wine, in the same states as make screenshots.
# Usage: scripts/wine-screenshots.sh BUILD_DIR OUTPUT_FOLDER
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR OUTPUT_FOLDER}
out=${2:?usage: $0 BUILD_DIR OUTPUT_FOLDER}
mkdir -p "$out"
out=$(cd "$out" && pwd)
source "$(dirname "$0")/wine-session.sh" "$build"
wine "$build/tests/screenshots/duplexa-screenshots.exe" "$(winepath -w "$out")"
