#!/bin/sh
# Renders the PNG sizes of the application icon from its SVG (needs rsvg-convert, Debian package
# librsvg2-bin). The PNGs are committed, so building and packaging do not need the tool; run this
# after changing the SVG.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
id=io.github.quorvane.Quorvane
for size in 16 22 24 32 48 64 128 256 512; do
    dir="$here/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" "$here/icons/$id.svg" --output "$dir/$id.png"
done
