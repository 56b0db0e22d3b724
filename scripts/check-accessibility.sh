#!/usr/bin/env bash
# The real program as a screen-reader user meets it: started under Xvfb with the desktop's
# accessibility bus, read through AT-SPI (what Orca uses) and driven by keyboard only.
# Prints the tree, chooses the first file in the chooser, pastes the second from the
# clipboard, compares, reads the verdict; pastes a third file that differs, compares, reads
# where they differ from the result line's description and copies it with Ctrl+C; and reads
# the tree again in Hungarian.
# Usage: scripts/check-accessibility.sh [path/to/duplexa]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${1:-$root/build/window/qt/duplexa}")

"$root/scripts/install-deps.sh" screen-reader

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'same bytes\n' > "$work/a.txt"
printf 'same bytes\n' > "$work/b.txt"
printf 'same bytez\n' > "$work/c.txt"
export BIN=$bin WORK=$work WALK=$root/scripts/a11y_walkthrough.py

# QT_LINUX_ACCESSIBILITY_ALWAYS_ON: Qt joins the bus although no screen reader says it runs.
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 1
    export XDG_CONFIG_HOME=$WORK/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
        openbox >/dev/null 2>&1 & sleep 1
        \"\$BIN\" & app=\$!
        sleep 3
        xdotool search --sync --onlyvisible --name ^Duplexa\$ windowactivate --sync
        status=0
        /usr/bin/python3 \"\$WALK\" \"\$WORK/a.txt\" \"\$WORK/b.txt\" \"\$WORK/c.txt\" || status=\$?
        kill \$app
        exit \$status
    "
    status=$?
    kill $launcher
    exit $status
' 2> >(grep -v -e 'dbus-daemon' -e 'XDG_RUNTIME_DIR' >&2)
