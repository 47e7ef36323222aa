#!/usr/bin/env bash
# Renders the checked-in PNG icons from data/icons/bellnozzle.svg; run it after
# changing the drawing. The PNGs are kept in the repository so that building
# and packaging need no SVG renderer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${ICON_PACKAGES[@]}"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$root/data/icons/$size"
  rsvg-convert --width "$size" --height "$size" "$root/data/icons/bellnozzle.svg" \
    --output "$root/data/icons/$size/bellnozzle.png"
done
