#!/usr/bin/env bash
# Makes zurvane.png (128 × 128, 32-bit RGBA) from zurvane.svg. The PNG is kept in the repository,
# so a build needs neither tool; run this after changing the SVG.
# Needs rsvg-convert (librsvg2-bin) or ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
if command -v rsvg-convert >/dev/null; then
    rsvg-convert --width 128 --height 128 --output zurvane.tmp.png zurvane.svg
    convert zurvane.tmp.png -background none PNG32:zurvane.png
    rm -f zurvane.tmp.png
else
    convert -background none -density 96 zurvane.svg -resize 128x128 PNG32:zurvane.png
fi
identify zurvane.png
