#!/usr/bin/env bash
# The window after "Cálculo" under a virtual X server, in Portuguese and in
# English, at the stored size (1195 x 535), larger (1600 x 900) and smaller
# (900 x 500); the pictures land in OUT (default: a temporary folder), and
# docs/ keeps the two at the stored size. Needs xvfb and imagemagick
# (SCREENSHOT_PACKAGES in scripts/packages.sh) and a built tree in build/:
# cmake --build build --target window_screenshots.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/tests/ui/window_screenshots"
out="${1:-$(mktemp -d)}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The menu bar shows the working folder: "~/bocal" rather than a temporary name.
mkdir "$work/bocal"
cd "$work/bocal"
export HOME="$work"
for language in pt en; do
  for size in 1195x535 1600x900 900x500; do
    width="${size%x*}" height="${size#*x}"
    xvfb-run -a -s "-screen 0 ${width}x${height}x24" sh -c \
      "QT_QPA_PLATFORM=xcb '$program' $width $height $language 4 & sleep 3; import -window root '$out/window-$language-$size.png'; wait"
  done
done
echo "$out"
