#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (run after changing the SVG, then
# commit the PNGs; the build does not need rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/../resources/desktop/icons"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" com.quorvex.Mottler.svg -o "${size}x${size}/com.quorvex.Mottler.png"
done
