# Sourced by the scripts that run Windows programs under Wine: a private prefix in the build
# folder (the user's own ~/.wine is never touched) and a private X server, both stopped when
# the sourcing script exits.
# Usage: source scripts/wine-session.sh BUILD_DIR

# The 32-bit programs need Wine's 32-bit half, which scripts/install-deps.sh leaves out where it
# cannot be had or this machine runs no 32-bit x86 code (it says which): there a 32-bit run is
# left out, and says so.
if [[ ${WINEARCH:-} == win32 ]] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "LEFT OUT: ${0##*/} on $1: no 32-bit Wine on this machine" >&2
    exit 0
fi

WINEPREFIX="$(cd "$1" && pwd)/wineprefix"
export WINEPREFIX
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or HTML, and asking for them would stall start-up.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY
# Wine spells Windows file names in the Unix locale's character set; without a UTF-8 locale a
# name like "ünnep név.bin" cannot be created at all.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
    *UTF-8* | *utf8* | *UTF8* | *utf-8*) ;;
    *) export LC_ALL=C.UTF-8 ;;
esac

mkdir -p "$WINEPREFIX"
# Windows are shown on an X server of our own, so nothing appears on the user's desktop and no
# desktop is needed.
display_file=$(mktemp)
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s "$display_file" ]] && break; sleep 0.1; done
[[ -s "$display_file" ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display_file")"
rm -f "$display_file"
# One server for the whole session, so each program does not pay Wine's start-up again. One
# left over from an interrupted run in this prefix serves as well.
wineserver -p 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
wine wineboot --init >/dev/null 2>&1
# No window manager runs here: Wine draws the windows' frames itself instead of waiting for one
# (which would cost two seconds every time a window closes).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# Windows brings Georgia, Wine does not: the title's serif face comes from a free font instead.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Georgia /d 'Liberation Serif' /f \
    >/dev/null 2>&1
