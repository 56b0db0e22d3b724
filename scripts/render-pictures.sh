#!/usr/bin/env bash
# Renders the window's pictures from their SVG sources in window/pictures/svg/ into the PNGs
# in window/pictures/png/, the program icon file window/pictures/duplexa.ico and the desktop
# icon theme's sizes in packaging/icons/.
# The build embeds the committed PNGs and needs none of these tools: run this after editing
# an SVG, then look at the results and commit sources and renders together.
# Usage: scripts/render-pictures.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/window/pictures/svg
out=$root/window/pictures/png
ico=$root/window/pictures/duplexa.ico
theme=$root/packaging/icons
# ImageMagick by its full path: another program called convert may come first on PATH.
magick=/usr/bin/convert
identify=/usr/bin/identify

install_tools() {
    local missing=()
    command -v rsvg-convert >/dev/null || missing+=(librsvg2-bin)
    [[ -x $magick && -x $identify ]] || missing+=(imagemagick)
    command -v icotool >/dev/null || missing+=(icoutils)
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# No metadata in the files, so that rendering twice gives the same bytes.
plain=(-strip -define "png:exclude-chunks=date,time")

# svg name, width, height -> raw RGBA render in the work folder
render() {
    rsvg-convert --width "$2" --height "$3" --output "$work/$1-$2.png" "$src/$1.svg"
}

# Pictures with a transparent background: kept as RGBA.
with_alpha() { # svg, size, target
    render "$1" "$2" "$2"
    "$magick" "$work/$1-$2.png" "${plain[@]}" "PNG32:$out/$3"
}

# Pictures that sit on the white header band: flattened on white to plain 24-bit colour.
on_white() { # svg, width, height, target
    render "$1" "$2" "$3"
    "$magick" "$work/$1-$2.png" -background white -alpha remove -alpha off "${plain[@]}" \
        "PNG24:$out/$4"
}

# The pictograms use a handful of palette colours and full transparency: stored with a palette.
pictogram() { # svg, target
    render "$1" 24 18
    "$magick" "$work/$1-24.png" "${plain[@]}" "PNG8:$out/$2"
}

# A flag's highlight picture: the same flag washed out towards white.
pale() { # source png, target
    "$magick" "$out/$1" -fill white -colorize 45 -alpha off "${plain[@]}" "PNG24:$out/$2"
}

install_tools
mkdir -p "$out"

with_alpha icon16 16 icon16.png
with_alpha icon32 32 icon32.png
with_alpha icon48 48 icon48.png
with_alpha scale64 256 icon256.png
on_white scale64 64 64 logo.png
on_white emblem 16 16 emblem.png
on_white flag_en 21 20 flag_en.png
on_white flag_hu 21 20 flag_hu.png
pale flag_en.png flag_en_pale.png
pale flag_hu.png flag_hu_pale.png
pictogram layout_side layout_side.png
pictogram layout_stacked layout_stacked.png

# The icon of the program file in every size Windows picks from at 100 to 200 % scaling: each
# from the source drawn on the nearest grid, up to 64 as bitmaps with a mask, 256 as embedded PNG.
sizes=()
for row in 16:icon16 20:icon24 24:icon24 32:icon32 40:icon48 48:icon48 64:scale64; do
    size=${row%%:*} source=${row#*:}
    render "$source" "$size" "$size"
    "$magick" "$work/$source-$size.png" "${plain[@]}" "PNG32:$work/ico$size.png"
    sizes+=("$work/ico$size.png")
done
icotool --create --bit-depth=32 --output="$ico" "${sizes[@]}" --raw="$out/icon256.png"

# The icon theme's sizes: each small size from the source drawn on its own grid, the larger
# ones from the 64 grid.
mkdir -p "$theme"
for size in 16 24 32 48; do
    render "icon$size" "$size" "$size"
    "$magick" "$work/icon$size-$size.png" "${plain[@]}" "PNG32:$theme/icon$size.png"
done
for size in 64 128 256; do
    render scale64 "$size" "$size"
    "$magick" "$work/scale64-$size.png" "${plain[@]}" "PNG32:$theme/icon$size.png"
done

# Every picture must have exactly the size the window lays out for it.
status=0
while read -r name size; do
    got=$("$identify" -format '%wx%h' "$root/$name")
    if [[ $got != "$size" ]]; then
        echo "wrong size: $name is $got, expected $size" >&2
        status=1
    fi
done <<'SIZES'
window/pictures/png/icon16.png 16x16
window/pictures/png/icon32.png 32x32
window/pictures/png/icon48.png 48x48
window/pictures/png/icon256.png 256x256
window/pictures/png/logo.png 64x64
window/pictures/png/emblem.png 16x16
window/pictures/png/flag_en.png 21x20
window/pictures/png/flag_hu.png 21x20
window/pictures/png/flag_en_pale.png 21x20
window/pictures/png/flag_hu_pale.png 21x20
window/pictures/png/layout_side.png 24x18
window/pictures/png/layout_stacked.png 24x18
packaging/icons/icon16.png 16x16
packaging/icons/icon24.png 24x24
packaging/icons/icon32.png 32x32
packaging/icons/icon48.png 48x48
packaging/icons/icon64.png 64x64
packaging/icons/icon128.png 128x128
packaging/icons/icon256.png 256x256
SIZES
[[ $status -eq 0 ]] || exit 1
icotool --list "$ico"
echo "Rendered the pictures into ${out#"$root"/}, ${ico#"$root"/} and ${theme#"$root"/}"
