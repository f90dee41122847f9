#!/bin/bash
# Installs what building and running punktgarten needs, builds the program
# alone (no tests, no benchmarks) in build-start and starts it. The tests
# build in build (scripts/test.sh), so the two never reconfigure each other.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh start
cmake -S . -B build-start -DCMAKE_BUILD_TYPE=Release -DPUNKTGARTEN_TESTS=OFF \
  -DPUNKTGARTEN_BENCH=OFF >/dev/null
cmake --build build-start -j"$(nproc)" --target punktgarten
exec ./build-start/punktgarten "$@"
