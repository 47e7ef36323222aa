#!/usr/bin/env bash
# Configures the one build folder that both README commands use, with the same
# options, so that starting the program after the tests builds nothing again.
# Usage: configure.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELLNOZZLE_GUI=ON > "$2.configure.log" 2>&1 \
  || { cat "$2.configure.log"; exit 1; }
