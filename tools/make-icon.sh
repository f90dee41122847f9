#!/bin/bash
# Remakes the program's icons; the build only reads the committed files.
#  - app/punktgarten.png, the 32 x 32 window icon with 16 colours: the
#    Originalbild in small, with a few of the red and yellow points that mark
#    hidden bits and two circled positions.
#  - data/icons/NxN/punktgarten.png, the launcher icons at 48, 64, 128 and 256
#    pixels, rendered from data/icons/punktgarten.svg, which draws the same
#    picture, points and circles as vectors; 192 and 512 for the web app
#    manifest of the school folder (home screens and splash screens).
# Needs imagemagick and librsvg2-bin (rsvg-convert).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
tail -c +9 "$here/../picture/originalbild.stream" > "$tmp/original.bmp"
convert "$tmp/original.bmp" -resize '32x32!' \
  -fill '#FF0000' -draw 'point 6,22' -draw 'point 13,9' -draw 'point 25,17' -draw 'point 19,27' \
  -fill '#FFFF00' -draw 'point 9,14' -draw 'point 22,6' -draw 'point 28,25' -draw 'point 4,29' \
  -fill none -stroke '#FF0000' -draw 'circle 13,9 15,9' -stroke '#00FF00' -draw 'circle 25,17 27,17' \
  -dither None -colors 16 -strip PNG8:"$here/../app/punktgarten.png"
identify "$here/../app/punktgarten.png"

icons="$here/../data/icons"
for n in 48 64 128 192 256 512; do
  mkdir -p "$icons/${n}x${n}"
  rsvg-convert -w "$n" -h "$n" "$icons/punktgarten.svg" -o "$tmp/icon.png"
  convert "$tmp/icon.png" -strip "PNG32:$icons/${n}x${n}/punktgarten.png"
  identify "$icons/${n}x${n}/punktgarten.png"
done
