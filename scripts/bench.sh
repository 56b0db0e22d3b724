#!/usr/bin/env bash
# Compares duplexa-bench with cat and cmp on two pairs of 1 GiB files from the page cache.
# Usage: scripts/bench.sh path/to/duplexa-bench [size-in-MiB]
set -euo pipefail

bench=$(realpath "$1")
mib=${2:-1024}
runs=5
dir=$(mktemp -d "${TMPDIR:-/tmp}/duplexa-bench.XXXXXX")
trap 'rm -rf "$dir"' EXIT

echo "Creating two pairs of ${mib} MiB files in $dir ..."
head -c "$((mib * 1048576))" /dev/urandom > "$dir/a"
cp "$dir/a" "$dir/same"
cp "$dir/a" "$dir/diff"
# Every 7th byte of the first 64 MiB differs.
python3 - "$dir/diff" <<'PY'
import sys
span = 64 * 1048576
with open(sys.argv[1], "r+b") as f:
    data = bytearray(f.read(span))
    for i in range(0, len(data), 7):
        data[i] ^= 0xFF
    f.seek(0)
    f.write(data)
PY
cat "$dir"/a "$dir"/same "$dir"/diff > /dev/null  # warm the page cache
: > "$dir/empty1"
: > "$dir/empty2"

# Median of $runs wall-clock timings of a shell command, in seconds.
median() {
    local times=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(date +%s.%N)
        bash -c "$1" > /dev/null 2>&1 || true
        end=$(date +%s.%N)
        times+=("$(echo "$end - $start" | bc -l)")
    done
    printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p"
}

ratio() { printf '%.3f' "$(echo "$1 / $2" | bc -l)"; }

report() {
    local label=$1 b=$2
    local t_cat t_cmp t_cmpl t_dup
    t_cat=$(median "cat '$dir/a' '$dir/$b' > /dev/null")
    t_cmp=$(median "cmp '$dir/a' '$dir/$b'")
    t_cmpl=$(median "cmp -l '$dir/a' '$dir/$b' | wc -l")
    t_dup=$(median "'$bench' '$dir/a' '$dir/$b'")
    echo
    echo "== $label pair (${mib} MiB each), medians of $runs =="
    echo "result: $("$bench" "$dir/a" "$dir/$b" | head -n 1)"
    printf '%-26s %8.3f s\n' "cat A B > /dev/null" "$t_cat" "cmp A B" "$t_cmp" \
        "cmp -l A B | wc -l" "$t_cmpl" "duplexa-bench A B" "$t_dup"
    echo "duplexa-bench / cat:      $(ratio "$t_dup" "$t_cat")"
    echo "duplexa-bench / cmp:      $(ratio "$t_dup" "$t_cmp")"
    echo "duplexa-bench / cmp -l:   $(ratio "$t_dup" "$t_cmpl")"
}

report "Identical" same
report "Differing" diff

peak() { /usr/bin/time -f '%M' "$bench" "$@" 2>&1 >/dev/null | tail -n 1; }
empty_kib=$(peak "$dir/empty1" "$dir/empty2")
full_kib=$(peak "$dir/a" "$dir/same")
echo
echo "== Peak memory (max RSS) =="
echo "empty run: ${empty_kib} KiB; ${mib} MiB run: ${full_kib} KiB; difference $(((full_kib - empty_kib) / 1024)) MiB"

# ---- The run inside the real window -------------------------------------------------------
# duplexa-bench --window runs the same comparison in the window under the offscreen platform
# (drops through the drop handler, a press of Compare). Both modes time only the run itself,
# so the ratio shows what the window's per-block label update and event turn cost.
if "$bench" --window "$dir/empty1" "$dir/empty2" > /dev/null 2>&1; then
    # Median of the seconds a mode reports, over $runs runs taken in turns with the other mode.
    reported() { "$@" 2> /dev/null | sed -n 2p; }
    window_report() {
        local b=$1 head=() win=()
        for ((i = 0; i < runs; i++)); do
            head+=("$(reported "$bench" "$dir/a" "$dir/$b")")
            win+=("$(reported "$bench" --window "$dir/a" "$dir/$b")")
        done
        local t_head t_win
        t_head=$(printf '%s\n' "${head[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")
        t_win=$(printf '%s\n' "${win[@]}" | sort -g | sed -n "$(((runs + 1) / 2))p")
        echo
        echo "== $2 pair in the window (${mib} MiB each), medians of $runs =="
        echo "result: $("$bench" --window "$dir/a" "$dir/$b" 2> /dev/null | head -n 1)"
        printf '%-26s %8.3f s\n' "duplexa-bench A B" "$t_head" "duplexa-bench --window A B" "$t_win"
        echo "window / headless:        $(ratio "$t_win" "$t_head")"
    }
    window_report same Identical
    window_report diff Differing
fi
