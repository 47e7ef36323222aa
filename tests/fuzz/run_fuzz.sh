#!/usr/bin/env bash
# Builds the profile fuzzer with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer and libFuzzer) in its own build folder and runs it for a bounded
# time from the checked-in seed corpus. Fails on any crash or sanitizer report.
set -euo pipefail
source_dir="$1"
build_dir="$2"
seconds="${3:-60}"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELLNOZZLE_FUZZ=ON -DBELLNOZZLE_GUI=OFF \
  -DBELLNOZZLE_BENCH=OFF -DBELLNOZZLE_TESTS=OFF > "$build_dir.configure.log" 2>&1 \
  || { cat "$build_dir.configure.log"; exit 1; }
cmake --build "$build_dir" --target profile_fuzzer -j 2
corpus="$build_dir/corpus"
mkdir -p "$corpus"
cd "$build_dir"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ./fuzz/profile_fuzzer -max_total_time="$seconds" -max_len=16384 -timeout=10 \
  -print_final_stats=1 "$corpus" "$source_dir/fuzz/corpus"
