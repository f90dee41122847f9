#!/bin/bash
# The browser tests of tarnbild.html: Chromium and Firefox through puppeteer-core, WebKitGTK
# through WebKitWebDriver and selenium-webdriver (under xvfb-run when there is no display).
# Installs the npm packages of package-lock.json once (npm ci, again only when the lock changes).
# usage: tests/web/run.sh PATH/TO/tarnbild.html    (env TARNBILD_ENGINES=chromium limits the engines)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PATH/TO/tarnbild.html" >&2; exit 2; }
[ -f "$1" ] || { echo "browser tests: $1 does not exist (build it with scripts/web.sh)" >&2; exit 2; }
html=$(realpath "$1")
cd "$(dirname "$0")"

# npm cannot download browsers here: the tests use Debian's chromium and firefox-esr.
export PUPPETEER_SKIP_DOWNLOAD=1
if ! cmp -s package-lock.json node_modules/.tarnbild-lock 2>/dev/null; then
  npm ci --no-audit --no-fund --loglevel=error >/dev/null
  cp package-lock.json node_modules/.tarnbild-lock
fi

export TARNBILD_HTML=$html
# Two files at a time (TARNBILD_SPUREN): a browser waits for its page most of the time. Without a
# display each file gets an X server of its own, numbered by its place in the list, since two
# xvfb-run -a started at once may choose the same number. A file's output is printed when it
# ends. A file that fails runs once more; each second try is printed, and written to
# PUNKTGARTEN_ZWEITE_VERSUCHE when scripts/test.sh counts them.
spuren=${TARNBILD_SPUREN:-2}
laeuft() { # DATEI NUMMER
  local anzeige=()
  if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
    anzeige=(xvfb-run -n "$((70 + $2))" -s "-screen 0 1280x1024x24")
  fi
  "${anzeige[@]}" node --test --test-timeout=300000 --test-reporter=tap "$1"
}
fehler=$(mktemp -d)
datei_pruefen() { # DATEI NUMMER
  local log="$fehler/$2.log" versuch
  for versuch in 1 2; do
    if [ "$versuch" = 2 ]; then
      echo "browser tests: second try: $1"
      [ -z "${PUNKTGARTEN_ZWEITE_VERSUCHE:-}" ] || echo "browser $1" >>"$PUNKTGARTEN_ZWEITE_VERSUCHE"
    fi
    laeuft "$1" "$2" >"$log" 2>&1 && { cat "$log"; return 0; }
    cat "$log"
  done
  echo "$1" >"$fehler/$2.fehler"
}
nummer=0
for datei in ./*.test.mjs; do
  while [ "$(jobs -pr | wc -l)" -ge "$spuren" ]; do wait -n || true; done
  datei_pruefen "$datei" "$nummer" &
  nummer=$((nummer + 1))
done
wait
gescheitert=$(cat "$fehler"/*.fehler 2>/dev/null | tr "\n" " " || true)
rm -rf "$fehler"
if [ -n "$gescheitert" ]; then
  echo "browser tests failed twice: $gescheitert" >&2
  exit 1
fi
