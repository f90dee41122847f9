#!/bin/bash
# Measures start-up to the first paint of the window and the peak resident
# memory, over RUNS starts (default 11) in a real X server, and prints both
# medians. Run after the release build of the benchmarks (README); uses
# build-bench/bench/startzeit.
# With --kalt (root only) the page cache is dropped before every start, so
# each start reads the program and Qt from disk.
# usage: scripts/startzeit.sh [--kalt] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
kalt=0
if [ "${1:-}" = --kalt ]; then kalt=1; shift; fi
laeufe=${1:-11}
[ -x build-bench/bench/startzeit ] || { echo "startzeit: erst bauen (build-bench/bench/startzeit fehlt)" >&2; exit 1; }
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  laeufe=$1 kalt=$2
  for i in $(seq "$laeufe"); do
    if [ "$kalt" = 1 ]; then sync; echo 3 > /proc/sys/vm/drop_caches; fi
    t0=$(date +%s%N)
    t1=$(/usr/bin/time -f "%M" -o /tmp/startzeit.rss build-bench/bench/startzeit 2>/dev/null)
    echo "$(( (t1 - t0) / 1000 )) $(cat /tmp/startzeit.rss)"
  done' _ "$laeufe" "$kalt" | sort -n > /tmp/startzeit.txt
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms=$(awk '{ print $1 / 1000 }' /tmp/startzeit.txt | median)
mb=$(awk '{ print $2 / 1024 }' /tmp/startzeit.txt | median)
echo "startzeit: $laeufe Starts, Median bis zur ersten Malung $ms ms, Median Spitzenspeicher $mb MB"
