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
# expected exit status | what goes wrong | how, run beside the copy of the program
cases=(
    "0|nothing|true"
    "1|the image cannot move|clear_bits $dll_characteristics 0x40"
    "1|data pages may run code|clear_bits $dll_characteristics 0x100"
    "1|it is not large address aware|clear_bits $characteristics 0x20"
    "1|it imports a DLL Windows lacks|LC_ALL=C sed -i s/msimg32[.]dll/msimg99.dll/I program.exe"
    "1|it is no program|echo text >program.exe"
)
# 64-bit addresses exist for 64-bit programs only: their optional header starts 0x20b (PE32+).
pe=$(od -An -tu4 -j60 -N4 "$program")
if [[ $(od -An -tx2 -j $((pe + 24)) -N2 "$program" | tr -d ' ') == 020b ]]; then
    cases+=("1|64-bit addresses are off|clear_bits $dll_characteristics 0x20")
fi

mkdir "$work/good" && cp "$program" "$work/good/program.exe" || exit 1
source "$(dirname "$0")/break_each.sh"
break_each "$check" "$work/case/program.exe"
