#!/bin/bash
# Configures the browser edition with Emscripten in the folder BAU and builds the targets named,
# one after the other, each with its log in BAU/TARGET.log. A build error prints the log and
# fails; so does a compiler warning in any target but GoogleTest's own (gtest_main).
# scripts/web.sh and scripts/release.sh build through it.
# usage: scripts/webbau.sh BAU TARGET...      e.g. scripts/webbau.sh build-web gtest_main all
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 BAU TARGET..." >&2; exit 2; }
bau=$(realpath -m "$1")
shift
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs
# Each target's sources compiled as one (unity build): a fifth less processor time; the
# package build compiles every file of the program alone.
cmake -S web -B "$bau" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/Emscripten.cmake" -DCMAKE_UNITY_BUILD=ON >/dev/null
for teil in "$@"; do
  if ! cmake --build "$bau" -j"$(nproc)" --target "$teil" >"$bau/$teil.log" 2>&1; then
    cat "$bau/$teil.log"; echo "web: build failed" >&2; exit 1
  fi
  if [ "$teil" != gtest_main ] && grep -E "warning|error" "$bau/$teil.log"; then
    echo "web: compiler warnings" >&2; exit 1
  fi
done
