#!/usr/bin/env bash
# Compares duplexa-bench with cat and cmp on two pairs of 1 GiB files, from the page cache and
# from a cold cache, and the program's start-up with a bare Qt window's.
# Usage: scripts/bench.sh path/to/duplexa-bench [size-in-MiB]
# With BASELINE=REV (a commit) it also builds that commit's duplexa-bench beside this one and
# times the two in turns on both pairs.
set -euo pipefail

bench=$(realpath "$1")
mib=${2:-1024}
runs=5
dir=$(mktemp -d "${TMPDIR:-/tmp}/duplexa-bench.XXXXXX")
trap 'rm -rf "$dir"' EXIT

# ---- The machine ------------------------------------------------------------------------------
echo "CPU: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores"
caches=$(getconf -a 2> /dev/null | awk '/^LEVEL[0-9]_.*CACHE_SIZE/ && $2 > 0 {
    sub(/^LEVEL/, "L", $1); sub(/_CACHE_SIZE$/, "", $1); sub(/_/, " ", $1);
    printf "%s%s %d KiB", sep, $1, $2 / 1024; sep = ", " }')
echo "caches: ${caches:-unknown}"
echo "load: $(cut -d ' ' -f 1-3 /proc/loadavg) (1, 5, 15 min)"

baseline=
if [[ -n ${BASELINE:-} ]]; then
    rev=$(git rev-parse --short "$BASELINE")
    base_dir=$(realpath -m "build-baseline/$rev")
    if [[ ! -x $base_dir/build/bench/duplexa-bench ]]; then
        echo "Building the benchmark of $rev in $base_dir ..."
        rm -rf "$base_dir" && mkdir -p "$base_dir/src"
        git archive "$rev" | tar -x -C "$base_dir/src"
        cmake -S "$base_dir/src" -B "$base_dir/build" -DCMAKE_BUILD_TYPE=Release \
            -DDUPLEXA_WITH_WINDOW=OFF > /dev/null
        cmake --build "$base_dir/build" --target duplexa-bench -j "$(nproc)" > /dev/null
    fi
    baseline=$base_dir/build/bench/duplexa-bench
fi

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
: > "$dir/empty1"
: > "$dir/empty2"
# Largest measurable files, for the memory a run holds on them (sparse: no data to write).
truncate -s 2147483647 "$dir/big1" "$dir/big2"

# Drops the files' pages from the page cache (written back first: dirty pages stay). No root.
cat > "$dir/drop.py" <<'PY'
import os, sys
for path in sys.argv[1:]:
    fd = os.open(path, os.O_RDONLY)
    os.fsync(fd)
    os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
    os.close(fd)
PY
drop() { python3 "$dir/drop.py" "$@"; }
# From disk into the cache, as files usually arrive there (freshly written pages are cached
# in smaller pieces, which some systems map more slowly).
drop "$dir/a" "$dir/same" "$dir/diff"
warm() { cat "$dir/a" "$dir/same" "$dir/diff" > /dev/null; }

# Medians of $runs timings of a shell command: wall-clock and processor seconds (user and
# system, the command's children included), printed as "WALL CPU". $2, when given, runs
# untimed before each timing. On a busy machine the processor seconds are the steadier figure.
median() {
    local walls=() cpus=() TIMEFORMAT='%3U %3S'

    for ((i = 0; i < runs; i++)); do
        local start end
        if [[ -n ${2:-} ]]; then bash -c "$2"; fi
        start=$(date +%s.%N)
        { time bash -c "$1" > /dev/null 2>&1 || true; } 2> "$dir/cpu"
        end=$(date +%s.%N)
        walls+=("$(echo "$end - $start" | bc -l)")
        cpus+=("$(awk '{ print $1 + $2 }' "$dir/cpu")")
    done
    echo "$(mid "${walls[@]}") $(mid "${cpus[@]}")"
}
mid() { printf '%s\n' "$@" | sort -g | sed -n "$((($# + 1) / 2))p"; }

ratio() {
    if (($(echo "$2 > 0" | bc -l))); then printf '%.3f' "$(echo "$1 / $2" | bc -l)"; else echo "-"; fi
}
# "LABEL: R (C in processor seconds)" for two "WALL CPU" pairs.
ratios() {
    local a=($2) b=($3)
    printf '%-34s %s (%s in processor seconds)\n' "$1" "$(ratio "${a[0]}" "${b[0]}")" \
        "$(ratio "${a[1]}" "${b[1]}")"
}
row() {
    local t=($2)
    printf '%-34s %8.3f s %8.3f s CPU\n' "$1" "${t[0]}" "${t[1]}"
}

report() {
    local label=$1 b=$2
    local t_cat t_cmp t_cmpl t_dup t_one
    warm
    t_cat=$(median "cat '$dir/a' '$dir/$b' > /dev/null")
    t_cmp=$(median "cmp '$dir/a' '$dir/$b'")
    t_cmpl=$(median "cmp -l '$dir/a' '$dir/$b' | wc -l")
    t_dup=$(median "'$bench' '$dir/a' '$dir/$b'")
    t_one=$(median "'$bench' --one-thread '$dir/a' '$dir/$b'")
    echo
    echo "== $label pair (${mib} MiB each) from the page cache, medians of $runs =="
    echo "result: $("$bench" "$dir/a" "$dir/$b" | head -n 1)"
    row "cat A B > /dev/null" "$t_cat"
    row "cmp A B" "$t_cmp"
    row "cmp -l A B | wc -l" "$t_cmpl"
    row "duplexa-bench A B" "$t_dup"
    row "duplexa-bench --one-thread A B" "$t_one"
    ratios "duplexa-bench / cat:" "$t_dup" "$t_cat"
    ratios "duplexa-bench / cmp:" "$t_dup" "$t_cmp"
    ratios "duplexa-bench / cmp -l:" "$t_dup" "$t_cmpl"
}

# Every timed run starts with neither file's pages in the cache. The disk's floor is the faster
# of reading one file after the other and both at once.
cold_report() {
    local label=$1 b=$2 before="$3"
    local t_cat t_both t_cmp t_dup t_one
    t_cat=$(median "cat '$dir/a' '$dir/$b' > /dev/null" "$before")
    t_both=$(median "cat '$dir/a' > /dev/null & cat '$dir/$b' > /dev/null; wait" "$before")
    t_cmp=$(median "cmp '$dir/a' '$dir/$b'" "$before")
    t_dup=$(median "'$bench' '$dir/a' '$dir/$b'" "$before")
    t_one=$(median "'$bench' --one-thread '$dir/a' '$dir/$b'" "$before")
    local floor=$t_cat
    if (($(echo "${t_both% *} < ${t_cat% *}" | bc -l))); then floor=$t_both; fi
    echo
    echo "== $label pair (${mib} MiB each) from a cold cache, medians of $runs =="
    row "cat A B > /dev/null" "$t_cat"
    row "cat A & cat B (both at once)" "$t_both"
    row "cmp A B" "$t_cmp"
    row "duplexa-bench A B" "$t_dup"
    row "duplexa-bench --one-thread A B" "$t_one"
    ratios "duplexa-bench / disk floor:" "$t_dup" "$floor"
    if [[ $b == diff ]]; then echo "(cmp stops at the first difference)"; fi
}

report "Identical" same
report "Differing" diff

# This build against the baseline's, taken in turns so that a busy moment falls on both alike.
if [[ -n $baseline ]]; then
    base_runs=31  # a run from the page cache takes a tenth of a second: many, for steady medians
    for pair in same diff; do
        warm
        now=() now_cpu=() base=() base_cpu=()
        for ((i = 0; i < base_runs; i++)); do
            out=$("$baseline" "$dir/a" "$dir/$pair")
            base+=("$(sed -n 2p <<< "$out")") base_cpu+=("$(sed -n 3p <<< "$out")")
            out=$("$bench" "$dir/a" "$dir/$pair")
            now+=("$(sed -n 2p <<< "$out")") now_cpu+=("$(sed -n 3p <<< "$out")")
        done
        echo
        echo "== $pair pair against $rev, from the page cache, medians of $base_runs =="
        row "duplexa-bench of $rev" "$(mid "${base[@]}") $(mid "${base_cpu[@]}")"
        row "duplexa-bench of this build" "$(mid "${now[@]}") $(mid "${now_cpu[@]}")"
        ratios "this build / $rev:" "$(mid "${now[@]}") $(mid "${now_cpu[@]}")" \
            "$(mid "${base[@]}") $(mid "${base_cpu[@]}")"
    done
fi

cold_report "Identical" same "python3 '$dir/drop.py' '$dir/a' '$dir/same'"
cold_report "Differing" diff "python3 '$dir/drop.py' '$dir/a' '$dir/diff'"

peak() { /usr/bin/time -f '%M' "$bench" "$@" 2>&1 >/dev/null | tail -n 1; }
warm
empty_kib=$(peak "$dir/empty1" "$dir/empty2")
full_kib=$(peak "$dir/a" "$dir/same")
big_kib=$(peak "$dir/big1" "$dir/big2")
echo
echo "== Peak memory (max RSS), above an empty run of ${empty_kib} KiB =="
echo "${mib} MiB pair:                 $((full_kib - empty_kib)) KiB"
echo "2 GiB - 1 pair (sparse):       $((big_kib - empty_kib)) KiB"

# ---- The run inside the real window -------------------------------------------------------
# duplexa-bench --window runs the same comparison in the window under the offscreen platform
# (drops through the drop handler, a press of Compare). Both modes time only the run itself,
# so the ratio shows what the window's per-block label update and event turn cost. On a busy
# machine the processor seconds are the steadier figure of the two.
if "$bench" --window "$dir/empty1" "$dir/empty2" > /dev/null 2>&1; then
    warm
    window_runs=$((2 * runs + 1))
    window_report() {
        local b=$1 head=() win=() head_cpu=() win_cpu=() out
        # Taken in turns, so a busy moment falls on both modes alike.
        for ((i = 0; i < window_runs; i++)); do
            out=$("$bench" "$dir/a" "$dir/$b" 2> /dev/null)
            head+=("$(sed -n 2p <<< "$out")") head_cpu+=("$(sed -n 3p <<< "$out")")
            out=$("$bench" --window "$dir/a" "$dir/$b" 2> /dev/null)
            win+=("$(sed -n 2p <<< "$out")") win_cpu+=("$(sed -n 3p <<< "$out")")
        done
        local t_head t_win c_head c_win
        t_head=$(mid "${head[@]}") t_win=$(mid "${win[@]}")
        c_head=$(mid "${head_cpu[@]}") c_win=$(mid "${win_cpu[@]}")
        echo
        echo "== $2 pair in the window (${mib} MiB each), medians of $window_runs =="
        echo "result: $(head -n 1 <<< "$out")"
        printf '%-34s %8.3f s %8.3f s CPU\n' "duplexa-bench A B" "$t_head" "$c_head" \
            "duplexa-bench --window A B" "$t_win" "$c_win"
        echo "window / headless:        $(ratio "$t_win" "$t_head") ($(ratio "$c_win" "$c_head") in processor seconds)"
    }
    window_report same Identical
    window_report diff Differing
fi

# ---- Start-up ---------------------------------------------------------------------------------
# From exec to the window mapped, under Xvfb with openbox, the program against a bare Qt Widgets
# window of its size and title (bench/bare_window.cpp), taken in turns. Where it may (root), the
# whole display session runs ahead of other work on the machine (SCHED_FIFO): on a shared
# machine the figures are steadier so.
startup_report() {
    local bin window bare
    bin=$(dirname "$bench")
    window=$(realpath "$bin/../window/qt/duplexa")
    bare=$bin/duplexa-bare-window
    if [[ ! -x $bin/duplexa-startup-bench || ! -x $bare || ! -x $window ]]; then
        echo "LEFT OUT: start-up (the start-up bench, the bare window or the program is not built)"
        return
    fi
    if ! command -v Xvfb > /dev/null || ! command -v openbox > /dev/null; then
        echo "LEFT OUT: start-up (needs Xvfb and openbox: scripts/install-deps.sh bench)"
        return
    fi
    local first=(chrt --fifo 1) how="ahead of other work (SCHED_FIFO)"
    if ! chrt --fifo 1 true 2> /dev/null; then first=() how="at normal priority"; fi
    mkdir -m 700 "$dir/runtime" "$dir/config"
    XDG_RUNTIME_DIR=$dir/runtime XDG_CONFIG_HOME=$dir/config "${first[@]}" bash -c '
        Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9> "$1/display" > /dev/null 2>&1 &
        xvfb=$!
        trap "kill \$xvfb \${wm:-} 2> /dev/null" EXIT
        for ((i = 0; i < 100; i++)); do [[ -s $1/display ]] && break; sleep 0.05; done
        export DISPLAY=:$(cat "$1/display")
        openbox > /dev/null 2>&1 &
        wm=$!
        sleep 1
        "$2/duplexa-startup-bench" "$3" "$4" "$5"' _ "$dir" "$bin" "$startup_runs" "$bare" \
        "$window" > "$dir/startup" || { echo "LEFT OUT: start-up (no window came)"; return; }
    local b=($(sed -n 1p "$dir/startup")) w=($(sed -n 2p "$dir/startup"))
    echo
    echo "== Start-up, exec to window mapped (Xvfb, openbox, $how), medians of $startup_runs =="
    printf '%-34s %8.3f s  (quartiles %.3f-%.3f)\n' "bare Qt Widgets window" "${b[@]}" \
        "duplexa" "${w[@]}"
    echo "duplexa / bare window:             $(ratio "${w[0]}" "${b[0]}")"
}
startup_runs=$((6 * runs))
startup_report

echo
echo "load at the end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
