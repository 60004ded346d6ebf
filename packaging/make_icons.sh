#!/usr/bin/env bash
# Draws the program's icon (the same figure as orvane.svg) with ImageMagick at 256 pixels and
# writes the PNG sizes of the icon theme into icons/. Run by hand after changing the icon.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p icons
convert -size 256x256 xc:none \
    -fill '#1f4f9f' -draw 'roundrectangle 8,8 247,247 36,36' \
    -fill '#ffffff' -draw 'rectangle 40,60 71,215' \
    -fill '#dfe8f7' -draw 'rectangle 84,100 115,215' \
    -fill '#bfd1ef' -draw 'rectangle 128,136 159,215' \
    -fill '#9fbae7' -draw 'rectangle 172,168 203,215' \
    -fill none -stroke '#5fd35f' -strokewidth 12 -draw 'stroke-linecap round stroke-linejoin round polyline 56,48 100,88 144,124 188,156 220,172' \
    icons/orvane-256.png
for size in 16 22 24 32 48 64 128; do
    convert icons/orvane-256.png -resize "${size}x${size}" "icons/orvane-${size}.png"
done
