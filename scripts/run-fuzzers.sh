#!/usr/bin/env bash
# Runs each fuzz target of BUILD a fixed number of times, starting from its seeds in
# tests/fuzz/seeds/ and keeping what it learns in BUILD/fuzz-corpus/. A crash stops it with the
# fuzzer's report, which names the input it saved; turn that input into a unit test case.
# Usage: scripts/run-fuzzers.sh BUILD [TIMES], TIMES multiplying the runs (default 1).
set -euo pipefail
build=$1
times=${2:-1}
cd "$(dirname "$0")/.."
# About 20 seconds each on a 2-core machine.
declare -A runs=([copied_files]=500000 [dropped_url]=200000 [settings]=12000)
for name in copied_files dropped_url settings; do
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    count=$((runs[$name] * times))
    echo "fuzzing $name: $count runs"
    log="$build/fuzz-$name.log"
    if ! "$build/tests/fuzz/${name}_fuzz" -runs="$count" -seed=1 -artifact_prefix="$build/" \
        "$corpus" "tests/fuzz/seeds/$name" >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    tail -n 1 "$log"
done
