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
anzeige=()
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  anzeige=(xvfb-run -a -s "-screen 0 1280x1024x24")
fi
# One file at a time. A file that fails runs once more; each second try is printed, and written
# to PUNKTGARTEN_ZWEITE_VERSUCHE when scripts/test.sh counts them.
laeuft() { "${anzeige[@]}" node --test --test-timeout=300000 --test-reporter=tap "$1"; }
fehler=()
for datei in ./*.test.mjs; do
  laeuft "$datei" && continue
  echo "browser tests: second try: $datei"
  [ -z "${PUNKTGARTEN_ZWEITE_VERSUCHE:-}" ] || echo "browser $datei" >>"$PUNKTGARTEN_ZWEITE_VERSUCHE"
  laeuft "$datei" || fehler+=("$datei")
done
if [ ${#fehler[@]} -gt 0 ]; then
  echo "browser tests failed twice: ${fehler[*]}" >&2
  exit 1
fi
