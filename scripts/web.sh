#!/bin/bash
# Builds the browser edition with Emscripten into build-web/tarnbild.html and
# runs the core's and the session's GoogleTest suites as wasm under node
# (CTest label "browser"). Prints the hashes of the full position table for
# key 709 and of the decoded built-in picture, and fails if they differ from
# those of the native tests in build (when scripts/test.sh has built them).
# With --seite it also runs the browser tests of the page (tests/web:
# Chromium, Firefox, WebKitGTK; several minutes). --spaeter leaves the
# comparison of the hashes to a later call with --vergleich, which only
# compares (scripts/test.sh builds build and build-web at the same time).
# --gebaut=FILE writes the line "gebaut" to FILE (a file or a pipe) once the page is
# built and the wasm suites passed.
# usage: scripts/web.sh [--seite] [--spaeter] [--gebaut=FILE] | --vergleich
set -euo pipefail
cd "$(dirname "$0")/.."
seite=false
vergleich=jetzt
gebaut=
for a in "$@"; do
  case $a in
    --seite) seite=true ;;
    --spaeter) vergleich=spaeter ;;
    --vergleich) vergleich=nur ;;
    --gebaut=?*) gebaut=${a#--gebaut=} ;;
    *) echo "usage: $0 [--seite] [--spaeter] [--gebaut=FILE] | --vergleich" >&2; exit 2 ;;
  esac
done
bau=build-web

# The same hashes as the native build of the tests (build, made by scripts/test.sh).
hashes() { "$@" --gtest_filter='Ueberall.*' | grep '^Hash'; }
vergleichen() {
  if [ -x build/tests/test_key ]; then
    hashes build/tests/test_key >"$bau/hash-nativ.txt"
    if ! diff -u "$bau/hash-nativ.txt" "$bau/hash-wasm.txt"; then
      echo "web: the wasm hashes differ from the native ones" >&2; exit 1
    fi
    echo "web: the wasm hashes equal those of build/tests/test_key"
  else
    echo "web: no build/tests/test_key to compare the hashes with (bash scripts/test.sh unit builds it)"
  fi
}
if [ $vergleich = nur ]; then vergleichen; exit 0; fi
if $seite; then bash scripts/setup.sh test; else bash scripts/setup.sh web; fi
jobs=$(nproc)
export NODE_PATH=/usr/share/nodejs

start=$SECONDS
bash scripts/webbau.sh "$bau" gtest_main all
# The wasm suites; the page's own tests (browser_tarnbild_html) come last.
if ! ctest --test-dir "$bau" -L browser -E browser_tarnbild_html --output-on-failure -j"$jobs" \
  >"$bau/test.log" 2>&1; then
  cat "$bau/test.log"; echo "web: tests failed" >&2; exit 1
fi
grep -E "tests passed" "$bau/test.log"

hashes node --no-experimental-fetch "$bau/kern/test_key.js" >"$bau/hash-wasm.txt"
sed 's/^/wasm: /' "$bau/hash-wasm.txt"
if [ $vergleich = jetzt ]; then vergleichen; fi
if [ -n "$gebaut" ]; then echo gebaut 1<>"$gebaut"; fi
if $seite; then
  if ! ctest --test-dir "$bau" -R browser_tarnbild_html --output-on-failure; then
    echo "web: browser tests failed" >&2; exit 1
  fi
  # The page's benchmark once, as a smoke run: it still runs; its figures are not judged.
  xvfb-run -a -s "-screen 0 1280x1024x24" node tests/web/bench.mjs "$bau/tarnbild.html" --runden 1
fi
echo "web: $bau/tarnbild.html, $(stat -c %s "$bau/tarnbild.html" 2>/dev/null || echo 0) bytes," \
  "$(gzip -9c "$bau/tarnbild.html" 2>/dev/null | wc -c) gzipped; $((SECONDS - start)) s"
