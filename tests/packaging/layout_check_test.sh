#!/usr/bin/env bash
# Installs the build into a temporary prefix, breaks one thing at a time in a copy of it and
# expects the layout check to notice each; the untouched copy must pass.
# Usage: layout_check_test.sh CMAKE BUILD_DIR CHECK_SCRIPT
set -uo pipefail
cmake=$1 build=$2 check=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cmake" --install "$build" --prefix "$work/good" >/dev/null || exit 1

apps=share/applications/hu.veltrimo.Duplexa.desktop
meta=share/metainfo/hu.veltrimo.Duplexa.metainfo.xml
icons=share/icons/hicolor
# expected exit status | what goes wrong | how, run inside the copy
cases=(
    "0|nothing|true"
    "1|an icon size is missing|rm $icons/24x24/apps/hu.veltrimo.Duplexa.png"
    "1|an icon has the wrong size|cp $icons/16x16/apps/hu.veltrimo.Duplexa.png $icons/48x48/apps/"
    "1|the scalable icon is missing|rm $icons/scalable/apps/hu.veltrimo.Duplexa.svg"
    "1|the entry names another icon|sed -i s/^Icon=.*/Icon=duplexa/ $apps"
    "1|the entry starts a missing program|sed -i s/^Exec=.*/Exec=duplexa-old/ $apps"
    "1|the metainfo launches another entry|sed -i s/Duplexa.desktop/Other.desktop/ $meta"
    "1|the metainfo is cut short|truncate -s 100 $meta"
    "1|the program is missing|rm bin/duplexa"
    "1|the program is not executable|chmod a-x bin/duplexa"
    "1|the program names another desktop file|cp /bin/true bin/duplexa"
)

source "$(dirname "$0")/break_each.sh"
break_each "$check" "$work/case"
