#!/bin/bash
# Builds the Qt-free core and its GoogleTest suites for other targets and runs
# them: s390x (big-endian) and i686 (32 bits, x87 floating point) under
# qemu-user, and, when named, clang with libc++ on this machine (the browser
# edition's wasm suites, built by clang with libc++, run in every full test run
# instead). Prints each target's time and the hashes of the full position table
# for key 709 and of the decoded built-in picture, which the tests also compare
# with their golden values.
# usage: scripts/portabel.sh [TARGET...]   (default: s390x i686; also libcxx)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
ziele=("$@")
[ ${#ziele[@]} -gt 0 ] || ziele=(s390x i686)

declare -A emulator=([s390x]=qemu-s390x [i686]=qemu-i386 [libcxx]=)
for ziel in "${ziele[@]}"; do
  [ -n "${emulator[$ziel]+x}" ] || { echo "portabel: unknown target $ziel" >&2; exit 2; }
  echo "== $ziel"
  start=$SECONDS
  bau=build-portabel-$ziel
  # Each target's sources compiled as one (unity build): a third less processor time.
  cmake -S portabel -B "$bau" -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/portabel/$ziel.cmake" >/dev/null
  # GoogleTest first and on its own: its warnings are not ours to fix.
  for teil in gtest_main all; do
    if ! cmake --build "$bau" -j"$jobs" --target "$teil" >"$bau/$teil.log" 2>&1; then
      cat "$bau/$teil.log"; echo "portabel: $ziel: build failed" >&2; exit 1
    fi
  done
  # Linking GoogleTest statically draws glibc's note on getaddrinfo.
  if grep -E "warning|error" "$bau/all.log" | grep -v "getaddrinfo"; then
    echo "portabel: $ziel: compiler warnings" >&2; exit 1
  fi
  if ! ctest --test-dir "$bau" --output-on-failure -j"$jobs" >"$bau/test.log" 2>&1; then
    cat "$bau/test.log"; echo "portabel: $ziel: tests failed" >&2; exit 1
  fi
  grep -E "tests passed" "$bau/test.log"
  # shellcheck disable=SC2086 # no emulator for the native target
  ${emulator[$ziel]} "$bau/test_key" --gtest_filter='Ueberall.*' | grep '^Hash' | sed "s/^/$ziel: /"
  echo "$ziel: $((SECONDS - start)) s"
done
