#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing,
# so a machine that has everything configures without touching the network.
# Usage: scripts/install-deps.sh [native|windows|package|fuzz|drag|screen-reader|bench]
set -euo pipefail

# qt6-translations-l10n: Qt's own dialogs (the file chooser) in Hungarian;
# qt6-base-private-dev: the window tests switch Qt's accessibility on as a screen reader would;
# libfuse3-dev, fuse3: the fault-injection tests mount a file system of their own;
# libfontconfig-dev: start-up reads fontconfig's configuration on a thread of its own;
# dbus-daemon: the desktop service is tested on a private session bus.
native=(cmake make g++ pkg-config clang-format libgtest-dev googletest qt6-base-dev qt6-base-dev-tools
        qt6-base-private-dev qt6-svg-dev qt6-translations-l10n libfontconfig-dev
        libxcb1-dev xvfb xauth fonts-liberation2 bc time python3 libfuse3-dev fuse3 dbus-daemon)
# wine32: the 32-bit program and its tests; nsis: the setup program; xdotool: its check closes
# the installed program's window.
windows=(cmake make googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 wine32:i386 nsis
         xvfb xauth xdotool fonts-liberation2 imagemagick)
# Building the Debian package and checking it and the installed files (devscripts: hardening-check).
package=(cmake make dpkg-dev file gzip lintian devscripts desktop-file-utils appstream python3)
# libFuzzer comes with clang's runtime libraries.
fuzz=(cmake make clang-14 libclang-rt-14-dev libgtest-dev googletest)
# scripts/drop-into-window.sh: a GTK drag source, a window manager, the pointer and a picture.
drag=(python3-gi gir1.2-gtk-3.0 openbox xvfb xauth xdotool imagemagick)
# scripts/check-accessibility.sh and check-screen-reader.sh: the accessibility bus read from
# Python, keys and the clipboard under Xvfb, and Orca itself with a window manager.
screen_reader=(at-spi2-core python3-pyatspi xvfb xauth xdotool xclip dbus orca openbox bc)
# scripts/bench.sh: the start-up is timed on a display with a window manager.
bench=(xvfb openbox)

case "${1:-native}" in
    native) wanted=("${native[@]}") ;;
    windows) wanted=("${windows[@]}") ;;
    package) wanted=("${package[@]}") ;;
    fuzz) wanted=("${fuzz[@]}") ;;
    drag) wanted=("${drag[@]}") ;;
    screen-reader) wanted=("${screen_reader[@]}") ;;
    bench) wanted=("${bench[@]}") ;;
    *) echo "usage: $0 [native|windows|package|fuzz|drag|screen-reader|bench]" >&2; exit 2 ;;
esac

installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }
# Wine's 32-bit half runs on 32-bit x86 code, which some hypervisors do not run at all; there an
# installed wine32 would also break the `wine` command for 64-bit programs. The i386 loader
# (from libc6:i386) tells.
runs_i386() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

missing=()
for pkg in "${wanted[@]}"; do
    installed "$pkg" || missing+=("$pkg")
done
if [[ "${missing[*]}" == wine32:i386 ]] && installed libc6:i386 && ! runs_i386; then
    missing=()  # asked and answered before
fi
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Wine's 32-bit half comes from the i386 architecture, which a machine may not have yet.
if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
# A list that cannot be fetched (a mirror caught mid-sync) leaves apt with the lists it has;
# whatever they cannot supply fails below, by name.
"${sudo[@]}" apt-get update -qq || echo "Some package lists could not be fetched; going on" >&2
install() { "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"; }

others=()
for pkg in "${missing[@]}"; do [[ $pkg == wine32:i386 ]] || others+=("$pkg"); done
if [[ ${#others[@]} -eq ${#missing[@]} ]]; then
    install "${missing[@]}"
    exit 0
fi
[[ ${#others[@]} -eq 0 ]] || install "${others[@]}"
if ! install libc6:i386; then
    reason="the i386 loader (libc6:i386) could not be installed"
elif ! runs_i386; then
    reason="this machine runs no 32-bit x86 code"
elif ! install wine32:i386; then
    reason="it could not be installed"  # the i386 lists must match the amd64 libraries' versions
fi
if [[ -n ${reason:-} ]]; then
    echo "NOTE: no wine32, as $reason: the runs of 32-bit Windows programs under Wine are" \
        "left out" >&2
fi
