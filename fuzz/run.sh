#!/bin/bash
# Builds the decoder fuzzer with clang 14 (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for SECONDS (default 20) on the seed
# corpus. Fails on any crash, leak or sanitizer report.
# usage: fuzz/run.sh [SECONDS] [WORKDIR]
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
arbeit=${2:-build-fuzz}
mkdir -p "$arbeit"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
  fuzz/fuzz_bildstrom.cpp picture/Bildstrom.cpp picture/Bildflaeche.cpp -o "$arbeit/fuzz_bildstrom"
rm -rf "$arbeit/corpus" && python3 fuzz/make-corpus.py picture/originalbild.stream "$arbeit/corpus"
# Large inputs are allowed so that mutations of the whole built-in stream stay in play.
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  "$arbeit/fuzz_bildstrom" -max_total_time="$sekunden" -max_len=200000 -timeout=10 \
  -rss_limit_mb=2048 -dict=fuzz/bildstrom.dict -artifact_prefix="$arbeit/" -print_final_stats=1 \
  "$arbeit/corpus" 2>&1 | tee "$arbeit/fuzz.log" | grep -E "^#[0-9]+ +(INITED|DONE)|ERROR|SUMMARY|stat::number_of_executed_units|cov:" | tail -6
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ] || ls "$arbeit"/crash-* "$arbeit"/leak-* "$arbeit"/timeout-* >/dev/null 2>&1; then
  echo "fuzz: Fehler gefunden (Status $status), siehe $arbeit/fuzz.log" >&2
  exit 1
fi
echo "fuzz: ${sekunden}s ohne Befund"
