#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows itself does not bring (the programs
# must run from a bare copy of the .exe), or when its header lacks a security flag: a movable
# image (DYNAMIC_BASE) with no code run from data pages (NX_COMPAT) and the whole address space
# (large address aware), on 64-bit Windows with 64-bit addresses too (HIGH_ENTROPY_VA).
# Usage: scripts/check-windows-imports.sh PROGRAM.exe...
set -euo pipefail
own='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|oleacc|windowscodecs|msimg32|msvcrt|ws2_32|shlwapi|uxtheme)\.dll$'
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || objdump=i686-w64-mingw32-objdump
status=0
for program in "$@"; do
    header=$("$objdump" -p "$program") || { status=1; continue; }
    dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$header" | tr 'A-Z' 'a-z' | sort -u)
    foreign=$(grep -Ev "$own" <<<"$dlls" || true)
    flags=(DYNAMIC_BASE NX_COMPAT 'large address aware')
    grep -q '(PE32+)$' <<<"$header" && flags+=(HIGH_ENTROPY_VA)
    missing=()
    for flag in "${flags[@]}"; do
        grep -Eq "^\s+$flag$" <<<"$header" || missing+=("$flag")
    done
    if [[ -n "$foreign" ]]; then
        echo "$program needs DLLs that Windows does not bring: $foreign" >&2
        status=1
    elif [[ ${#missing[@]} -gt 0 ]]; then
        echo "$program lacks the header flags: ${missing[*]}" >&2
        status=1
    else
        printf '%s: %s bytes, %simports only %s\n' "$program" "$(stat -c %s "$program")" \
            "$(printf '%s, ' "${flags[@]}")" "$(tr '\n' ' ' <<<"$dlls")"
    fi
done
exit $status
