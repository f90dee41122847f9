#!/bin/bash
# Remakes picture/originalbild.stream, the built-in picture, from the photograph
# Dune.jpg of Debian's package mate-backgrounds (GPL-2+): scaled so that it
# covers 290 x 224, centre-cropped, and written as an 8-byte picture-stream
# header followed by an uncompressed 24-bit bottom-up bitmap file.
# Needs the packages mate-backgrounds, imagemagick and python3; the build
# itself never runs this script.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source_jpg="${1:-/usr/share/backgrounds/mate/nature/Dune.jpg}"
out="${2:-$here/../picture/originalbild.stream}"
[ -r "$source_jpg" ] || { echo "fehlt: $source_jpg (Paket mate-backgrounds)" >&2; exit 1; }
convert "$source_jpg" -strip -colorspace sRGB -resize '290x224^' -gravity center \
  -extent 290x224 -depth 8 rgb:- | python3 "$here/rgb-to-stream.py" 290 224 > "$out"
echo "written: $out ($(stat -c %s "$out") bytes)"
