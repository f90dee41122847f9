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
#  4. browser: the browser edition built with Emscripten, its wasm suites
#     under node, the page in Chromium, Firefox and WebKitGTK
#     (scripts/web.sh --seite), then Orca in the page (orca_seite);
#  2 and 3, which only compute, run beside 1 and 4 niced by 19; 4, whose tests
#  wait for events with long deadlines, runs beside 1 niced by 15: both on the
#  processor time the X server and Orca tests leave while they wait. The
#  output of each comes when it ends; Orca in the page follows 1 once 4 has
#  built the page.
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

# nebenher NAME NICE COMMAND...: runs COMMAND beside the run at niceness NICE, in a process
# group of its own (which the EXIT trap ends with the run), its output in build-nebenbei/NAME.log.
nebenher() {
  local name=$1 nett=$2
  shift 2
  mkdir -p build-nebenbei
  set -m
  (renice -n "$nett" -p "$BASHPID" >/dev/null; stufenbeginn=$SECONDS; "$@") >"build-nebenbei/$name.log" 2>&1 &
  neben[$name]=$!
  set +m
  echo "== $name runs beside the other stages, niced by $nett (build-nebenbei/$name.log)"
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
    bash fuzz/run.sh "${FUZZ_SECONDS:-20}" build-fuzz
    zeit fuzz
  fi
}
# seite ARGS...: stage 4 without Orca; ARGS go to scripts/web.sh.
seite() {
  echo "== the browser edition"
  bash scripts/web.sh --seite "$@"
  zeit browser
}
# seitenbahn: stage 4 beside stage 1. It says "gebaut" into the pipe build-nebenbei/seite.gebaut
# once the page is built, and "ende" when it ends (opened read-write, a write never waits).
seitenbahn() {
  trap 'echo ende 1<>build-nebenbei/seite.gebaut' EXIT
  seite --spaeter --gebaut=build-nebenbei/seite.gebaut
}

# The X server and Orca tests run at normal priority; what only computes or only waits for
# events with long deadlines runs niced beside them, on the processor time they leave.
if [ -n "${stufe[cross]:-}${stufe[fuzz]:-}" ]; then
  if [ -n "${stufe[ctest]:-}${stufe[browser]:-}" ]; then nebenher rechnen 19 rechnen; else rechnen; fi
fi
if [ -n "${stufe[ctest]:-}" ] && [ -n "${stufe[browser]:-}" ]; then
  mkdir -p build-nebenbei
  rm -f build-nebenbei/seite.gebaut
  mkfifo build-nebenbei/seite.gebaut
  exec {gebaut}<>build-nebenbei/seite.gebaut
  nebenher seite 15 seitenbahn
fi

if [ -n "${stufe[ctest]:-}" ]; then
  echo "== build (sanitizers) and tests${etiketten[*]:+ (${etiketten[*]})}"
  # Ninja, -O1, line tables only, and each target's sources compiled as one
  # (unity build): what the sanitizers' reports need, in less processor time.
  # The package build compiles every file of the program alone, so a missing
  # #include still fails there.
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

if [ -n "${neben[seite]:-}" ]; then
  # Orca in the page needs the page alone; its tests may still run beside it.
  bahn=
  read -r -t 1500 -u "$gebaut" bahn || { echo "test: the page was not built within 1500 s" >&2; exit 1; }
  if [ "$bahn" != gebaut ]; then abwarten seite; fi
  bash scripts/web.sh --vergleich
elif [ -n "${stufe[browser]:-}" ]; then
  seite
fi
if [ -n "${stufe[ctest]:-}" ] && [ -n "${stufe[browser]:-}" ] && [ ${#etiketten[@]} -eq 0 ]; then
  echo "== the screen reader Orca in the page (Firefox, Chromium)"
  pruefen -L '^orca_seite$'
  zeit "Orca in the page"
fi
if [ -n "${neben[seite]:-}" ]; then abwarten seite; fi
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
