#!/bin/bash
# Sets up, builds and runs every test of punktgarten:
#  1. the release build: core tests, window tests offscreen, the real program
#     under Xvfb with a window manager at several screen densities, and the
#     Debian package (built, checked by lintian and appstreamcli, installed);
#  2. the core and its tests on other machines: s390x and i686 under
#     qemu-user, and clang with libc++;
#  3. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#     (all but the package test);
#  4. the picture-stream decoder fuzzed for FUZZ_SECONDS (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== the core on other machines"
bash scripts/portabel.sh

echo "== sanitizer build and tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUNKTGARTEN_SANITIZE=ON \
  -DPUNKTGARTEN_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^paket$'

echo "== fuzzing the picture-stream decoder"
bash fuzz/run.sh "${FUZZ_SECONDS:-60}" build-fuzz
