#!/usr/bin/env bash
# Installs what is missing, builds bellnozzle and opens its window in the
# folder work/ of this checkout, where the files it writes land.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/packages.sh"
"$root/scripts/install_packages.sh" "${BUILD_PACKAGES[@]}" "${GUI_PACKAGES[@]}"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELLNOZZLE_GUI=ON -DBELLNOZZLE_BENCH=OFF > /dev/null
cmake --build "$root/build" --target bellnozzle
mkdir -p "$root/work"
cd "$root/work"
if [ ! -f theta.bmp ]; then
  "$root/build/cli/bellnozzle" chart --bmp theta.bmp || true
fi
exec "$root/build/cli/bellnozzle" "$@"
