#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# the core and exporter tests, the window tests (offscreen), the checks in
# the real Gmsh, OpenFOAM and POV-Ray, and the short fuzzing run. Arguments
# go to ctest (for example -LE fuzz).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${BUILD_PACKAGES[@]}" "${GUI_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" \
  "${TEST_PACKAGES[@]}" "${SANITIZER_PACKAGES[@]}"
"$root/scripts/ensure_locales.sh"
build="${BELLNOZZLE_BUILD_DIR:-$root/build}"
mkdir -p "$build"
"$root/scripts/configure.sh" "$root" "$build"
cmake --build "$build" -j 2
cd "$build"
ctest --output-on-failure -j 2 "$@"
