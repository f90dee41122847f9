#!/bin/bash
# Installs what the tests need (scripts/setup.sh test), builds and runs them.
# Without arguments everything, as CI runs it:
#  1. the release build in build: the core tests (label unit), the window
#     tests offscreen and the start without a display (window), the real
#     program under Xvfb with a window manager at several screen densities
#     (x11), and the Debian package, built, checked by lintian and
#     appstreamcli, installed (package);
#  2. cross: the core and its tests on other machines, s390x and i686 under
#     qemu-user, and clang with libc++ (scripts/portabel.sh);
#  3. asan: the release build's tests but package again, built with
#     AddressSanitizer and UndefinedBehaviorSanitizer in build-asan;
#  4. fuzz: the picture-stream decoder fuzzed for FUZZ_SECONDS (default 60);
#  5. browser: the browser edition built with Emscripten, the core's and the
#     session's suites as wasm under node, and the page in Chromium, Firefox
#     and WebKitGTK (scripts/web.sh --seite); after a full stage 1, Orca in the
#     page in Firefox and Chromium (ctest label orca_seite);
#  6. dist: the release in dist/ (scripts/release.sh) from the page and folder of
#     stage 5 and the package that stage 1's package test built and installed,
#     and sha256sum -c of its SHA256SUMS; a tree with changes skips it outside CI.
# With arguments only the labels named: ctest labels (unit, window, x11,
# package, and any other label a test carries) select tests of stage 1, and
# cross, asan, fuzz, browser and dist name the stages 2 to 6.
# usage: scripts/test.sh [LABEL...]          e.g. scripts/test.sh unit window
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
etiketten=()
declare -A stufe=()
if [ $# -eq 0 ]; then
  stufe=([ctest]=1 [cross]=1 [asan]=1 [fuzz]=1 [browser]=1 [dist]=1)
fi
for e in "$@"; do
  case $e in
    cross | asan | fuzz | browser | dist) stufe[$e]=1 ;;
    *) etiketten+=("$e"); stufe[ctest]=1 ;;
  esac
done
beginn=$SECONDS
stufenbeginn=$SECONDS
zeit() { echo "test: $1 took $((SECONDS - stufenbeginn)) s"; stufenbeginn=$SECONDS; }
bash scripts/setup.sh test
# The tests of what the screen reader Orca says (labels orca, orca_seite).
# What Orca hears depends on when the program's events reach it over the bus;
# a run that missed a sentence (in the page, once in nine runs here; in the
# window, once in CI) gets a second try.
leser() { ctest --test-dir "$1" --output-on-failure -L "^$2\$" --repeat until-pass:2; }

if [ -n "${stufe[ctest]:-}" ]; then
  echo "== release build and tests${etiketten[*]:+ (${etiketten[*]})}"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPUNKTGARTEN_TESTS=ON -DPUNKTGARTEN_BENCH=ON >/dev/null
  cmake --build build -j"$jobs"
  # A test without a label would run in the full run only.
  ohne=$(ctest --test-dir build -N -LE . | grep -E '^ +Test +#' || true)
  if [ -n "$ohne" ]; then
    echo "test: these tests carry no label; give their folder one with set_property(DIRECTORY PROPERTY LABELS ...):" >&2
    echo "$ohne" >&2
    exit 1
  fi
  auswahl=()
  if [ ${#etiketten[@]} -gt 0 ]; then
    bekannt=$(ctest --test-dir build --print-labels | sed -n 's/^  //p')
    for e in "${etiketten[@]}"; do
      if ! grep -qx -- "$e" <<<"$bekannt"; then
        echo "test: no test carries the label $e; the labels are $(echo "$bekannt" | tr '\n' ' ')and the stages cross asan fuzz browser dist" >&2
        exit 2
      fi
    done
    auswahl=(-L "^($(IFS='|'; echo "${etiketten[*]}"))\$")
  fi
  if [ ${#auswahl[@]} -gt 0 ]; then
    ctest --test-dir build --output-on-failure -j"$jobs" "${auswahl[@]}"
  else
    # The screen reader in the page (label orca_seite) waits for the browser
    # edition; the one in the window runs after the rest.
    ctest --test-dir build --output-on-failure -j"$jobs" -LE '^(orca|orca_seite)$'
    leser build orca
  fi
  zeit release
fi

if [ -n "${stufe[cross]:-}" ]; then
  echo "== the core on other machines"
  bash scripts/portabel.sh
  zeit cross
fi

if [ -n "${stufe[asan]:-}" ]; then
  echo "== sanitizer build and tests (AddressSanitizer, UndefinedBehaviorSanitizer), all but package"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPUNKTGARTEN_SANITIZE=ON \
    -DPUNKTGARTEN_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE '^(package|orca|orca_seite)$'
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    leser build-asan orca
  zeit asan
fi

if [ -n "${stufe[fuzz]:-}" ]; then
  echo "== fuzzing the picture-stream decoder"
  bash fuzz/run.sh "${FUZZ_SECONDS:-60}" build-fuzz
  zeit fuzz
fi
if [ -n "${stufe[browser]:-}" ]; then
  echo "== the browser edition"
  bash scripts/web.sh --seite
  if [ -n "${stufe[ctest]:-}" ]; then
    echo "== the screen reader Orca in the page (Firefox, Chromium)"
    leser build orca_seite
  fi
  zeit browser
fi
if [ -n "${stufe[dist]:-}" ]; then
  echo "== the release in dist/"
  if [ "${CI:-}" != true ] && [ -n "$(git status --porcelain)" ]; then
    echo "test: dist skipped: the tree has changes, and a release is built from a commit alone"
  else
    # What this run built already; the release builds the rest itself.
    schon=()
    if [ -n "${stufe[browser]:-}" ]; then schon+=(--web build-web); fi
    paket=$(ls build/paket/punktgarten_*.deb 2>/dev/null || true)
    if [ -n "${stufe[ctest]:-}" ] && [[ " ${etiketten[*]:-package} " == *" package "* ]] && [ -n "$paket" ]; then
      schon+=(--deb "$paket")
    fi
    bash scripts/release.sh "${schon[@]}"
    (cd dist && sha256sum -c SHA256SUMS)
  fi
  zeit dist
fi
echo "test: passed${*:+ ($*)} in $((SECONDS - beginn)) s"
