#!/usr/bin/env bash
# Breaks one thing at a time in a copy of the real Windows program and expects the check of its
# imports and header flags to notice each; the untouched copy must pass.
# Usage: windows_check_test.sh CHECK_SCRIPT PROGRAM.exe
set -uo pipefail
check=$1 program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Clears the bits MASK of the 16-bit field OFFSET bytes past the PE signature of program.exe.
clear_bits() {
    local pe value
    pe=$(od -An -tu4 -j60 -N4 program.exe)
    value=$(($(od -An -tu2 -j $((pe + $1)) -N2 program.exe) & ~$2))
    printf "\\x$(printf %02x $((value & 255)))\\x$(printf %02x $((value >> 8)))" |
        dd of=program.exe bs=1 seek=$((pe + $1)) conv=notrunc status=none
}
characteristics=22 dll_characteristics=94
# expected exit status | what goes wrong | how, run beside the copy
cases=(
    "0|nothing|true"
    "1|the image cannot move|clear_bits $dll_characteristics 0x40"
    "1|data pages may run code|clear_bits $dll_characteristics 0x100"
    "1|64-bit addresses are off|clear_bits $dll_characteristics 0x20"
    "1|it is not large address aware|clear_bits $characteristics 0x20"
    "1|it imports a DLL Windows lacks|LC_ALL=C sed -i s/msimg32[.]dll/msimg99.dll/I program.exe"
    "1|it is no program|echo text >program.exe"
)

failed=0
for row in "${cases[@]}"; do
    IFS='|' read -r expected what how <<<"$row"
    cp "$program" "$work/program.exe"
    (cd "$work" && eval "$how") || { echo "could not set up: $what"; failed=1; continue; }
    "$check" "$work/program.exe" >"$work/messages" 2>&1
    got=$?
    if [[ $got -ne $expected ]]; then
        echo "FAILED when $what: exit status $got, expected $expected"
        cat "$work/messages"
        failed=1
    fi
done
exit $failed
