#!/bin/bash
# Installs what the tests need (scripts/setup.sh test), builds and runs them.
# Without arguments everything, as CI runs it:
#  1. build: one build with AddressSanitizer and UndefinedBehaviorSanitizer.
#     The core (label unit), the window offscreen and the start without a
#     display (window), every benchmark once as a smoke run (bench), the real
#     program under Xvfb with a window manager and AT-SPI (x11), what the
#     screen reader Orca says (orca), and the Debian package, built with
#     Debian's flags, checked, installed and purged (package);
#  2. cross: the core and its tests on s390x and i686 under qemu-user, and
#     with clang and libc++ (scripts/portabel.sh);
#  3. fuzz: the picture-stream decoder fuzzed for FUZZ_SECONDS (default 60);
#  4. browser: the browser edition built with Emscripten, its wasm suites
#     under node, the page in Chromium, Firefox and WebKitGTK
#     (scripts/web.sh --seite), then Orca in the page (orca_seite);
#  In a full run 4 runs beside 1, and Orca, in the window and the page, runs
#  when both have ended; 2 and 3 only compute: they run niced beside the
#  others, on the processor time left while tests wait (Orca's above all),
#  and their output is printed when they end. Each lane's output comes when
#  it ends.
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
declare -A neben=() # lanes running beside: name -> process group
bilanz() {
  local n p
  for p in "${neben[@]}"; do kill -- -"$p" 2>/dev/null || true; done
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

# nebenher NAME NICE COMMAND...: runs COMMAND beside the run, at niceness NICE, in a process
# group of its own (which the EXIT trap ends with the run), its output in build-nebenbei/NAME.log.
nebenher() {
  local name=$1 nett=$2
  shift 2
  mkdir -p build-nebenbei
  set -m
  (renice -n "$nett" -p "$BASHPID" >/dev/null; stufenbeginn=$SECONDS; "$@") >"build-nebenbei/$name.log" 2>&1 &
  neben[$name]=$!
  set +m
  echo "== $name runs beside the other stages (build-nebenbei/$name.log)"
}
# abwarten NAME: waits for the lane NAME, prints its output, and fails if it failed.
abwarten() {
  local status=0
  wait "${neben[$1]}" || status=$?
  unset "neben[$1]"
  cat "build-nebenbei/$1.log"
  [ "$status" -eq 0 ] || { echo "test: $1 failed" >&2; exit 1; }
  zeit "the wait for $1"
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
    bash fuzz/run.sh "${FUZZ_SECONDS:-60}" build-fuzz
    zeit fuzz
  fi
}
# seite ARGS...: stage 4 without Orca; ARGS go to scripts/web.sh.
# shellcheck disable=SC2120 # nebenher passes them
seite() {
  echo "== the browser edition"
  bash scripts/web.sh --seite "$@"
  zeit browser
}

if [ -n "${stufe[cross]:-}${stufe[fuzz]:-}" ]; then
  if [ -n "${stufe[ctest]:-}${stufe[browser]:-}" ]; then nebenher rechnen 15 rechnen; else rechnen; fi
fi
# The whole run: Orca, in the window and in the page, comes last, when only the niced lane
# computes beside it; what Orca says must not wait for a processor.
ganz=false
if [ $# -eq 0 ]; then ganz=true; fi
if [ -n "${stufe[ctest]:-}" ] && [ -n "${stufe[browser]:-}" ]; then
  # The browser edition builds and is tested beside the native build and its tests; the
  # hashes of the two are compared when both are there.
  nebenher seite 0 seite --spaeter
fi

if [ -n "${stufe[ctest]:-}" ]; then
  echo "== build (sanitizers) and tests${etiketten[*]:+ (${etiketten[*]})}"
  # Ninja, -O1 and line tables only: what the sanitizers' reports need, a
  # third less compile time than -O2 -g with make.
  if grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' build/CMakeCache.txt; then
    rm -rf build/CMakeCache.txt build/CMakeFiles
  fi
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DPUNKTGARTEN_SANITIZE=ON \
    -DPUNKTGARTEN_TESTS=ON -DPUNKTGARTEN_BENCH=ON >/dev/null
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
    pruefen -j"$jobs" -LE '^(orca|orca_seite)$'
  fi
  zeit build
fi

if [ -n "${neben[seite]:-}" ]; then
  abwarten seite
  bash scripts/web.sh --vergleich
elif [ -n "${stufe[browser]:-}" ]; then
  seite
fi
if $ganz; then
  echo "== the screen reader Orca in the window and in the page (Firefox, Chromium)"
  pruefen -L '^(orca|orca_seite)$'
  zeit orca
fi
if [ -n "${neben[rechnen]:-}" ]; then abwarten rechnen; fi
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
