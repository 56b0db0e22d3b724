# Sourced by the tests of the packaging checks. For each row of `cases` ("expected exit status|
# what goes wrong|how"), copies $work/good to $work/case, runs "how" inside the copy, then the
# check "$@", which must end with the expected status. Returns 1 when any row did not.
break_each() {
    local failed=0 row expected what how got
    for row in "${cases[@]}"; do
        IFS='|' read -r expected what how <<<"$row"
        rm -rf "$work/case" && cp -a "$work/good" "$work/case"
        (cd "$work/case" && eval "$how") || { echo "could not set up: $what"; failed=1; continue; }
        "$@" >"$work/messages" 2>&1
        got=$?
        if [[ $got -ne $expected ]]; then
            echo "FAILED when $what: exit status $got, expected $expected"
            cat "$work/messages"
            failed=1
        fi
    done
    return $failed
}
