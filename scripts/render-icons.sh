#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (run after changing the SVG, then
# commit the PNGs; the build does not need rsvg-convert). The small sizes show one tile of
# the pattern at twice the scale, which stays readable at 16 pixels.
set -euo pipefail
cd "$(dirname "$0")/../resources/desktop/icons"
small=$(mktemp --suffix=.svg)
trap 'rm -f "$small"' EXIT
sed 's|<pattern id="mottle" x="8" y="8"|<pattern id="mottle" x="4" y="4" patternTransform="scale(2)"|' \
    com.quorvex.Mottler.svg > "$small"
for size in 16 22 24 32 48 64 128 256; do
    source=com.quorvex.Mottler.svg
    [ "$size" -le 24 ] && source=$small
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" "$source" -o "${size}x${size}/com.quorvex.Mottler.png"
done
