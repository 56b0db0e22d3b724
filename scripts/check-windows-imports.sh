#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows itself does not bring: the programs
# must run from a bare copy of the .exe.
# Usage: scripts/check-windows-imports.sh PROGRAM.exe...
set -euo pipefail
own='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|windowscodecs|msimg32|msvcrt|ws2_32|shlwapi|uxtheme)\.dll$'
status=0
for program in "$@"; do
    objdump=x86_64-w64-mingw32-objdump
    command -v "$objdump" >/dev/null || objdump=i686-w64-mingw32-objdump
    dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    foreign=$(grep -Ev "$own" <<<"$dlls" || true)
    if [[ -n "$foreign" ]]; then
        echo "$program needs DLLs that Windows does not bring: $foreign" >&2
        status=1
    else
        printf '%s: %s bytes, imports only %s\n' "$program" "$(stat -c %s "$program")" \
            "$(tr '\n' ' ' <<<"$dlls")"
    fi
done
exit $status
