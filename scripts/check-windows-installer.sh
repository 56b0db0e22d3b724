#!/usr/bin/env bash
# Installs the setup program silently under Wine, in a fresh prefix of its own, and checks what
# a user gets: the program (PROGRAM.exe byte for byte), the Start-menu shortcut and the uninstall
# entry; starts the installed program and closes it as a user would, so it stores its layout;
# then uninstalls silently and checks that nothing but the settings is left.
# Usage: scripts/check-windows-installer.sh SETUP.exe PROGRAM.exe FOLDER
set -euo pipefail
[[ $# -eq 3 ]] || { echo "usage: $0 SETUP.exe PROGRAM.exe FOLDER" >&2; exit 2; }
setup=$(realpath "$1") program=$(realpath "$2") folder=$3
rm -rf "$folder"
mkdir -p "$folder"
source "$(dirname "$0")/wine-session.sh" "$folder"

fail() { echo "installer check: $*" >&2; exit 1; }
# Waits up to a minute for a condition (a command) to hold.
await() {
    for _ in $(seq 120); do "$@" && return 0; sleep 0.5; done
    return 1
}
unix_path() { winepath -u "$(wine cmd /c echo "$1" | tr -d '\r"')"; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Duplexa'

wine "$setup" /S
home=$(unix_path '%LOCALAPPDATA%\Programs\Duplexa')
shortcut=$(unix_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs\Duplexa.lnk')
cmp -s "$home/duplexa.exe" "$program" || fail "$home/duplexa.exe is not $program"
[[ -f "$home/uninstall.exe" ]] || fail "no uninstaller in $home"
[[ -f "$shortcut" ]] || fail "no shortcut $shortcut"
# The shortcut names the program as Windows spells it, in UTF-16.
strings -a -el "$shortcut" | grep -qF 'AppData\Local\Programs\Duplexa\duplexa.exe' ||
    fail "the shortcut does not start the installed program"

entry=$(wine reg query "$key" | tr -d '\r')
windows_home='C:\\users\\[^\\]+\\AppData\\Local\\Programs\\Duplexa'
# value | type | its data (an extended regular expression)
values=(
    "DisplayName|REG_SZ|Duplexa"
    "DisplayVersion|REG_SZ|[0-9]+\.[0-9]+\.[0-9]+"
    "Publisher|REG_SZ|Veltrimo"
    "DisplayIcon|REG_SZ|$windows_home\\\\duplexa\.exe,0"
    "InstallLocation|REG_SZ|$windows_home"
    "UninstallString|REG_SZ|\"$windows_home\\\\uninstall\.exe\""
    "QuietUninstallString|REG_SZ|\"$windows_home\\\\uninstall\.exe\" /S"
    "URLInfoAbout|REG_SZ|https://www\.veltrimo\.hu/"
    "EstimatedSize|REG_DWORD|0x[1-9a-f][0-9a-f]{2}"
)
for row in "${values[@]}"; do
    IFS='|' read -r name type data <<<"$row"
    grep -qiE "^ +$name +$type +$data\$" <<<"$entry" || fail "no $name $type $data in: $entry"
done

# The installed program runs until its window is closed (Alt+F4 here); closing stores its layout.
wine "$home/duplexa.exe" &
started=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Duplexa$' | head -n 1) ||
    fail "the installed program shows no window"
xdotool windowfocus --sync "$window" key alt+F4
await bash -c "! kill -0 $started 2>/dev/null" || fail "the installed program did not end"
wait "$started" || fail "the installed program ended with status $?"
settings='HKCU\Software\Veltrimo\Kitrune'
wine reg query "$settings" /v Duplexa-Align >/dev/null || fail "the program stored no layout"

# The uninstaller runs a copy of itself from the temporary folder and returns at once.
wine "$home/uninstall.exe" /S
await test ! -e "$home" || fail "$home is still there"
[[ ! -e "$shortcut" ]] || fail "the shortcut is still there"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is still there"
wine reg query "$settings" /v Duplexa-Align >/dev/null || fail "uninstalling removed the settings"
echo "installer check: installed, started, closed and uninstalled; the settings stay"
