#!/bin/bash
# Installs what the tests need (scripts/setup.sh test), builds and runs them.
# Without arguments everything, as CI runs it:
#  1. build: one build with AddressSanitizer and UndefinedBehaviorSanitizer.
#     The core (label unit), the window offscreen and the start without a
#     display (window), every benchmark once as a smoke run (bench), the real
#     program under Xvfb with a window manager and AT-SPI (x11), what the
#     screen reader Orca says (orca), and the Debian package, built with
#     Debian's flags, checked, installed and purged (package);
#  2. cross: the core and its tests on s390x and i686 under qemu-user
#     (scripts/portabel.sh);
#  3. fuzz: the picture-stream decoder fuzzed for FUZZ_SECONDS (default 20;
#     its coverage stops growing within the first five seconds);
#     in a full run, 2 and 3 only compute: they run niced beside the others,
#     on the processor time the X server, Orca and page tests leave while they
#     wait, and their output is printed when they end;
#  4. browser: the browser edition built with Emscripten, its wasm suites
#     under node, the page in Chromium, Firefox and WebKitGTK
#     (scripts/web.sh --seite), then Orca in the page (orca_seite);
#  5. dist: the release in dist/ (scripts/release.sh) from the page and folder of
#     stage 4 and the package that stage 1's package test built and installed,
#     and sha256sum -c of its SHA256SUMS; a tree with changes skips it outside CI.
# A test that fails gets one second try; each is printed, and the run ends
# with their count.
# With arguments only the labels named: ctest labels select tests of stage 1
# (orca_seite needs the browser edition built), cross, fuzz, browser and dist
# name the stages 2 to 5.
# usage: scripts/test.sh [LABEL...]          e.g. scripts/test.sh unit window
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
etiketten=()
declare -A stufe=()
if [ $# -eq 0 ]; then
  stufe=([ctest]=1 [cross]=1 [fuzz]=1 [browser]=1 [dist]=1)
fi
for e in "$@"; do
  case $e in
    cross | fuzz | browser | dist) stufe[$e]=1 ;;
    *) etiketten+=("$e"); stufe[ctest]=1 ;;
  esac
done
beginn=$SECONDS
stufenbeginn=$SECONDS
zeit() { echo "test: $1 took $((SECONDS - stufenbeginn)) s"; stufenbeginn=$SECONDS; }

# Every second try, one line each; tests/web/run.sh writes its own there too.
export PUNKTGARTEN_ZWEITE_VERSUCHE
PUNKTGARTEN_ZWEITE_VERSUCHE=$(mktemp)
nebenbei=
bilanz() {
  local n
  if [ -n "$nebenbei" ]; then kill -- -"$nebenbei" 2>/dev/null || true; fi
  n=$(wc -l <"$PUNKTGARTEN_ZWEITE_VERSUCHE")
  echo "test: $n second tries"
  rm -f "$PUNKTGARTEN_ZWEITE_VERSUCHE"
}
trap bilanz EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# pruefen ARGS...: ctest on build with ARGS; the tests that failed run once more.
pruefen() {
  ctest --test-dir build --output-on-failure "$@" && return 0
  local name
  while IFS=: read -r _ name; do
    echo "test: second try: $name"
    echo "$name" >>"$PUNKTGARTEN_ZWEITE_VERSUCHE"
  done <build/Testing/Temporary/LastTestsFailed.log
  ctest --test-dir build --output-on-failure --rerun-failed
}

bash scripts/setup.sh test

# rechnen: the stages that only compute, cross and fuzz, as chosen.
rechnen() {
  if [ -n "${stufe[cross]:-}" ]; then
    echo "== the core on other machines"
    bash scripts/portabel.sh
    zeit cross
  fi
  if [ -n "${stufe[fuzz]:-}" ]; then
    echo "== fuzzing the picture-stream decoder"
    bash fuzz/run.sh "${FUZZ_SECONDS:-20}" build-fuzz
    zeit fuzz
  fi
}

if [ -n "${stufe[cross]:-}${stufe[fuzz]:-}" ] && [ -n "${stufe[ctest]:-}${stufe[browser]:-}" ]; then
  mkdir -p build-nebenbei
  set -m # its own process group, which the EXIT trap ends with the run
  nice -n 15 bash -c "$(declare -p stufe; declare -f rechnen zeit); set -euo pipefail; stufenbeginn=0; rechnen" \
    >build-nebenbei/lauf.log 2>&1 &
  nebenbei=$!
  set +m
  echo "== cross and fuzz run niced beside the other stages (build-nebenbei/lauf.log)"
else
  rechnen
fi

if [ -n "${stufe[ctest]:-}" ]; then
  echo "== build (sanitizers) and tests${etiketten[*]:+ (${etiketten[*]})}"
  # Ninja, -O1, line tables only, and each target's sources compiled as one
  # (unity build): what the sanitizers' reports need, in a third of the
  # processor time. The package, cross and browser builds compile every file
  # alone, so a missing #include in the program still fails there.
  if grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' build/CMakeCache.txt; then
    rm -rf build/CMakeCache.txt build/CMakeFiles
  fi
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DPUNKTGARTEN_SANITIZE=ON \
    -DPUNKTGARTEN_TESTS=ON -DPUNKTGARTEN_BENCH=ON -DCMAKE_UNITY_BUILD=ON >/dev/null
  cmake --build build -j"$jobs"
  # A test without a label would run in the full run only.
  ohne=$(ctest --test-dir build -N -LE . | grep -E '^ +Test +#' || true)
  if [ -n "$ohne" ]; then
    echo "test: these tests carry no label; give their folder one with set_property(DIRECTORY PROPERTY LABELS ...):" >&2
    echo "$ohne" >&2
    exit 1
  fi
  if [ ${#etiketten[@]} -gt 0 ]; then
    bekannt=$(ctest --test-dir build --print-labels | sed -n 's/^  //p')
    for e in "${etiketten[@]}"; do
      if ! grep -qx -- "$e" <<<"$bekannt"; then
        echo "test: no test carries the label $e; the labels are $(echo "$bekannt" | tr '\n' ' ')and the stages cross fuzz browser dist" >&2
        exit 2
      fi
    done
    pruefen -j"$jobs" -L "^($(IFS='|'; echo "${etiketten[*]}"))\$"
  else
    # The screen reader in the page (orca_seite) waits for the browser edition.
    pruefen -j"$jobs" -LE '^(orca_seite)$'
  fi
  zeit build
fi

if [ -n "${stufe[browser]:-}" ]; then
  echo "== the browser edition"
  bash scripts/web.sh --seite
  if [ -n "${stufe[ctest]:-}" ] && [ ${#etiketten[@]} -eq 0 ]; then
    echo "== the screen reader Orca in the page (Firefox, Chromium)"
    pruefen -L '^orca_seite$'
  fi
  zeit browser
fi
if [ -n "$nebenbei" ]; then
  echo "== cross and fuzz, run beside the other stages"
  status=0
  wait "$nebenbei" || status=$?
  nebenbei=
  cat build-nebenbei/lauf.log
  [ "$status" -eq 0 ] || { echo "test: cross or fuzz failed" >&2; exit 1; }
  zeit "the wait for cross and fuzz"
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
