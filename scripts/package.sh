#!/usr/bin/env bash
# Builds the Debian package bellnozzle_VERSION_amd64.deb in the build folder
# that README's commands use (build/), so after the tests only the packaging
# itself is left to do. Prints the package's path. Install it with
#   sudo apt install ./build/bellnozzle_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${BUILD_PACKAGES[@]}" "${GUI_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build="${BELLNOZZLE_BUILD_DIR:-$root/build}"
mkdir -p "$build"
"$root/scripts/configure.sh" "$root" "$build"
targets=(bellnozzle bellnozzle_data)
# The Python module, where the build found pybind11.
if cmake --build "$build" --target help | grep -q '^bellnozzle_python:'; then targets+=(bellnozzle_python); fi
cmake --build "$build" --target "${targets[@]}"
rm -f "$build"/bellnozzle_*.deb
(cd "$build" && cpack -G DEB > "$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
ls "$build"/bellnozzle_*_*.deb
