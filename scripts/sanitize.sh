#!/usr/bin/env bash
# Builds Velmora with AddressSanitizer and UndefinedBehaviorSanitizer in
# ./build-asan (benchmarks left out) and runs the whole test suite there.
# Any leak, memory error or undefined behaviour fails the run; the few
# reports that come from inside Qt or system libraries are suppressed in
# scripts/sanitizers/, each with its reason.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# -O1 -g1: quick to compile, fast enough to run, line numbers in reports.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan
supp="$PWD/scripts/sanitizers"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
