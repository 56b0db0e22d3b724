#!/usr/bin/env bash
# Real XDND drags from a GTK program into the real window under Xvfb: ADDRESS0 is dragged onto
# the first box and ADDRESS1 onto the second, byte for byte as given (\0 in an address stands
# for a raw NUL), then Compare is pressed and a picture of the screen is taken.
# With --no-memory the run is pressed with the address space held to what the window already
# uses (then freed again, ADDRESS1 dropped anew and Compare pressed once more); the picture of
# the first press goes to OUT-limited.png.
# Usage: scripts/drop-into-window.sh [--no-memory] OUT.png ADDRESS0 ADDRESS1
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=$root/build/window/qt/duplexa
limit=no
if [[ ${1:-} == --no-memory ]]; then
    limit=yes
    shift
fi
[[ $# -eq 3 ]] || { sed -n '2,8p' "$0" >&2; exit 2; }
out=$1 first=$2 second=$3

"$root/scripts/install-deps.sh" drag

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
cat > "$work/source.py" <<'PY'
import sys
import gi
gi.require_version('Gtk', '3.0')
gi.require_version('Gdk', '3.0')
from gi.repository import Gdk, Gtk
data = sys.argv[1].encode('latin-1').decode('unicode_escape').encode('latin-1') + b'\r\n'
window = Gtk.Window(title='drag-source')
button = Gtk.Button(label='drag me')
button.set_size_request(120, 60)
window.add(button)
button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK,
                       [Gtk.TargetEntry.new('text/uri-list', 0, 0)], Gdk.DragAction.COPY)
button.connect('drag-data-get', lambda w, c, selection, i, t:
               selection.set(selection.get_target(), 8, data))
button.connect('drag-end', lambda *a: Gtk.main_quit())
window.show_all()
Gtk.main()
PY

export DISPLAY=:$((100 + RANDOM % 400))
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
openbox >/dev/null 2>&1 & pids+=($!)
sleep 1.5
export XDG_CONFIG_HOME=$work/config
# Big blocks straight from the system, so that a limit on the address space meets them.
MALLOC_MMAP_THRESHOLD_=131072 "$bin" >"$work/log" 2>&1 & app=$!
pids+=($app)

find_window() {  # title, width x height: the first such window, once it is shown
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            xdotool getwindowgeometry "$w" | grep -q "Geometry: $2" && { echo "$w"; return; }
        done
        sleep 0.2
    done
    echo "no window $1" >&2
    exit 1
}
eval "$(xdotool getwindowgeometry --shell "$(find_window Duplexa 473x336)")"

drag() {  # address, then where to let go
    /usr/bin/python3 "$work/source.py" "$1" & local source=$!
    local sw
    sw=$(find_window drag-source 120x60)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$sw" | sed 's/^/S/')"
    xdotool mousemove $((SX + 60)) $((SY + 30)) mousedown 1
    sleep 0.3
    xdotool mousemove $((SX + 80)) $((SY + 10))
    sleep 0.3
    xdotool mousemove $(($2 - 10)) $(($3 - 5))
    sleep 0.3
    xdotool mousemove "$2" "$3"
    sleep 0.5
    xdotool mouseup 1
    sleep 1
    kill "$source" 2>/dev/null || true
}
compare() {
    xdotool mousemove $((X + 50)) $((Y + 172)) click 1
    sleep 2
}

# The boxes and Compare where the stacked layout of a first start puts them.
drag "$first" $((X + 100)) $((Y + 100))
drag "$second" $((X + 100)) $((Y + 230))
if [[ $limit == yes ]]; then
    used=$(awk '/^VmSize/ {print $2}' "/proc/$app/status")
    prlimit --pid "$app" --as=$((used * 1024)):unlimited
    compare
    import -window root "${out%.png}-limited.png"
    prlimit --pid "$app" --as=unlimited:unlimited
    drag "$second" $((X + 100)) $((Y + 230))
fi
compare
import -window root "$out"
kill -0 "$app" || { echo "the window ended" >&2; exit 1; }
