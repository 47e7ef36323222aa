#!/usr/bin/env bash
# Installs what is missing, builds bellnozzle and opens its window in the
# folder work/ of this checkout, where the files it writes land.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${BUILD_PACKAGES[@]}" "${GUI_PACKAGES[@]}" "${TOOL_PACKAGES[@]}"
build="${BELLNOZZLE_BUILD_DIR:-$root/build}"
mkdir -p "$build"
"$root/scripts/configure.sh" "$root" "$build"
cmake --build "$build" --target bellnozzle
mkdir -p "$root/work"
cd "$root/work"
# The window draws the chart picture theta.bmp into its folder when missing.
exec "$build/cli/bellnozzle" "$@"
