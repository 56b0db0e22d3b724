#!/usr/bin/env bash
# Builds the checked-out commit twice, each time in a fresh clone in a folder of its own, and
# fails unless every artefact below comes out with the same bytes both times. Uncommitted
# changes are not part of it. The tests are not built: nothing of them goes into an artefact.
# Usage: scripts/check-reproducible.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# What users get: the make target that builds it | its path in the clone (a pattern).
artefacts=(
    "package|build/duplexa_*.deb"
    "windows|dist/windows/duplexa.exe"
    "windows|dist/windows/duplexa-x86.exe"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
commit=$(git -C "$root" rev-parse HEAD)
mapfile -t targets < <(printf '%s\n' "${artefacts[@]}" | cut -d'|' -f1 | sort -u)
# Folders of different names and depths, so a build path that leaks into an artefact shows.
clones=("$work/one/duplexa" "$work/the-second-build/src/duplexa")
for clone in "${clones[@]}"; do
    echo "== make ${targets[*]} in ${clone#"$work"/}"
    git clone -q "$root" "$clone"
    git -C "$clone" checkout -q --detach "$commit"
    make -C "$clone" --no-print-directory "${targets[@]}" CMAKE_FLAGS=-DBUILD_TESTING=OFF \
        >"$clone.log" 2>&1 || { tail -n 40 "$clone.log"; exit 1; }
done

status=0
for row in "${artefacts[@]}"; do
    pattern=${row#*|}
    files=()
    for clone in "${clones[@]}"; do
        found=("$clone"/$pattern)
        [[ -f ${found[0]} ]] || { echo "no $pattern in ${clone#"$work"/}" >&2; exit 1; }
        files+=("${found[0]}")
    done
    if cmp -s "${files[0]}" "${files[1]}"; then
        echo "same bytes: ${files[0]#"${clones[0]}"/} ($(sha256sum <"${files[0]}" | cut -c1-16))"
    else
        echo "DIFFERENT: $(cmp "${files[@]}" 2>&1)" >&2
        status=1
    fi
done
if [[ $status -ne 0 ]]; then
    trap - EXIT
    echo "both builds are kept in $work (diffoscope shows what differs)" >&2
fi
exit $status
