#!/usr/bin/env bash
# What Orca, a real screen reader, says while a keyboard user works the real window: Orca runs on
# the accessibility bus under Xvfb with openbox, writes what it would speak to its debug log,
# and the window is driven by xdotool keys only. Two runs: small files that differ in one byte,
# in English, then, after Space on the Hungarian flag, two sparse 1.5 GiB files, a run of some
# seconds here (the system zeroes every page it reads). Fails unless a box's file name is spoken
# whole, a pasted file's name as it lands in the focused box, each verdict exactly once, in the
# window's language, where the small files differ after their verdict, and the progress at
# least twice during the
# long run but not more often than once every 2 s on average (the window paces it at 3 s; Orca
# hears a notice late at times on a loaded machine); and unless Alt+F4 then ends the idle
# program within 0.2 s.
# Usage: scripts/check-screen-reader.sh [path/to/duplexa]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${1:-$root/build/window/qt/duplexa}")

"$root/scripts/install-deps.sh" screen-reader

work=$(mktemp -d)
trap '[[ -n "${KEEP:-}" ]] || rm -rf "$work"' EXIT
printf 'same bytes\n' > "$work/a.txt"
printf 'some bytes\n' > "$work/b.txt"
truncate -s 1536M "$work/big1.bin" "$work/big2.bin"
export BIN=$bin WORK=$work

dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    export XDG_CONFIG_HOME=$WORK/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    openbox >/dev/null 2>&1 &
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    orca -u "$WORK/orca" --debug-file "$WORK/orca.log" >/dev/null 2>&1 &
    orca=$!
    sleep 4
    "$BIN" & app=$!
    xdotool search --sync --onlyvisible --name "^Duplexa\$" windowactivate --sync >/dev/null
    sleep 2
    keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
    paste() {  # what a file manager'"'"'s copy leaves on the clipboard
        printf "file://%s\r\n" "$1" | xclip -selection clipboard -t text/uri-list -i
        keys ctrl+v
    }
    spoken() { grep -c "SPEECH OUTPUT: .$1" "$WORK/orca.log" || true; }
    # The focus starts on Close: Tab three times reaches the first box.
    keys Tab Tab Tab
    paste "$WORK/a.txt"
    keys Tab
    paste "$WORK/b.txt"
    keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return
    sleep 3
    # From the result line: Close, the layouts, the boxes, English, Magyar.
    keys Tab Tab Tab Tab Tab Tab Tab space
    keys shift+Tab shift+Tab
    paste "$WORK/big2.bin"
    keys shift+Tab
    paste "$WORK/big1.bin"
    keys shift+Tab shift+Tab shift+Tab shift+Tab Return
    for _ in $(seq 120); do
        [[ $(spoken "A két fájl") -gt 0 ]] && break
        sleep 0.5
    done
    sleep 2
    # Leaving while idle: the window and the program are gone at once.
    start=$(date +%s.%N)
    xdotool key alt+F4
    for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.01; done
    echo "$(date +%s.%N) - $start" | bc > "$WORK/close-seconds"
    kill $app $orca 2>/dev/null
    true
' 2> >(grep -v -e dbus -e XDG_RUNTIME_DIR -e "X connection" >&2) || true

log=$work/orca.log
[[ -s "$log" ]] || { echo "Orca wrote no log" >&2; exit 1; }
echo "== what Orca said (keys left out) =="
grep "SPEECH OUTPUT" "$log" | grep -v -e "'tab " -e "'shift" -e "'left " -e "'return " \
    -e "'space " | sed -e 's/^\([0-9:.]*\) - SPEECH OUTPUT: /\1 /' -e 's/{.*}$//'
count() { grep -c "SPEECH OUTPUT: .*$1" "$log" || true; }
status=0
check() {  # what, count, expected test
    if (( $2 $3 )); then echo "ok: $1 ($2)"; else echo "FAILED: $1 ($2)"; status=1; fi
}
check "English verdict spoken once" "$(count "Differ in 1 bytes of the total 11 ! (9%)")" "== 1"
check "where they differ spoken once, after it" \
    "$(sed -n '/SPEECH OUTPUT: .Differ in 1 bytes/,$p' "$log" |
        grep -c "SPEECH OUTPUT: .*First difference at byte 2, last at byte 2." || true)" "== 1"
# Before the verdict the focus never comes back to the second box after the paste.
check "a pasted file's name spoken as it lands" \
    "$(sed -n '/SPEECH OUTPUT: .Differ in 1 bytes/q;p' "$log" |
        grep -c "SPEECH OUTPUT: .*b.txt" || true)" "== 1"
check "Hungarian verdict spoken once" "$(count "A két fájl egyezik egymással.")" "== 1"
check "a box's file name spoken whole" "$(count "'a.txt.'")" ">= 1"
check "the flag or layout in force said to be selected" "$(count "'selected radio button")" ">= 1"
progress=$(grep "SPEECH OUTPUT: .*Folyamatban" "$log" | cut -d" " -f1 || true)
check "Hungarian progress spoken during the long run" "$(grep -c . <<< "$progress" || true)" ">= 2"
# Orca speaks what waited in its queue a little late at times: the pace is judged on average.
surplus=$(awk -F: '{ t = $1 * 3600 + $2 * 60 + $3; if (NR == 1) f = t; l = t; n++ }
                   END { print (n > 1 + (l - f) / 2) ? n - 1 - int((l - f) / 2) : 0 }' \
              <<< "$progress")
check "progress at most once every 2 s on average" "$surplus" "== 0"
close_ms=$(echo "$(cat "$work/close-seconds") * 1000 / 1" | bc)
check "Alt+F4 ends the idle program in milliseconds" "$close_ms" "< 200"
exit $status
