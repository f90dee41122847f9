#!/bin/bash
# Installs what punktgarten needs on Debian 12, asking apt only for the
# packages that are missing.
#   start: building and running, read from debian/control: the Build-Depends
#          with build-essential (as apt-get build-dep adds it) but without
#          debhelper, which only the package build uses, and the Recommends of
#          the package (the font, Qt's Wayland plugin)
#   web:   building the browser edition: build-essential, cmake and
#          scripts/webpakete.txt (Emscripten, node, GoogleTest's source)
#   test:  start, debhelper, scripts/webpakete.txt and scripts/testpakete.txt
# Uses sudo when not root; without sudo it prints the apt-get line to run as
# root and fails.
# usage: scripts/setup.sh [--list] [start|web|test]   (default test; --list prints
#        the packages, one a line, and installs nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
nur_liste=false
if [ "${1:-}" = --list ]; then nur_liste=true; shift; fi
umfang=${1:-test}

# The names in one field of debian/control: the first of each set of
# alternatives, without versions, architectures, build profiles or
# substitution variables.
feld() {
  awk -v feld="$1" '
    /^[^ \t#]/ { drin = tolower($0) ~ "^" tolower(feld) ":"; if (drin) { sub(/^[^:]*:/, ""); wert = wert "," $0 }; next }
    /^[ \t]/ && drin { wert = wert " " $0 }
    END {
      n = split(wert, teile, ",")
      for (i = 1; i <= n; i++) {
        t = teile[i]; sub(/\|.*/, "", t); gsub(/\([^)]*\)|\[[^]]*\]|<[^>]*>|[ \t]/, "", t); sub(/:.*/, "", t)
        if (t != "" && t !~ /^\$\{/) print t
      }
    }' debian/control
}

# The names of a list file: one a line, # starts a comment.
liste() { sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$1"; }
for datei in scripts/webpakete.txt scripts/testpakete.txt; do
  [ -f "$datei" ] || { echo "setup: $datei is missing" >&2; exit 2; }
done

case $umfang in
  start | test)
    mapfile -t pakete < <(echo build-essential; feld Build-Depends | grep -vx debhelper-compat; feld Recommends) ;;&
  test) mapfile -t -O ${#pakete[@]} pakete < <(echo debhelper; liste scripts/webpakete.txt; liste scripts/testpakete.txt) ;;
  web) mapfile -t pakete < <(echo build-essential; echo cmake; liste scripts/webpakete.txt) ;;
  start) ;;
  *) echo "setup: unknown set $umfang (start, web or test)" >&2; exit 2 ;;
esac
if $nur_liste; then printf '%s\n' "${pakete[@]}"; exit 0; fi

installiert=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${pakete[@]}" 2>/dev/null \
                | awk '$1 == "installed" { print $2 }' || true)
fehlend=()
for p in "${pakete[@]}"; do
  grep -qx -- "$p" <<<"$installiert" || fehlend+=("$p")
done
[ ${#fehlend[@]} -gt 0 ] || exit 0

befehl=(apt-get install -y -q --no-install-recommends "${fehlend[@]}")
als_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: missing packages, and without root or sudo they cannot be installed here." >&2
    echo "setup: run as root, then this again:" >&2
    echo "    apt-get update && ${befehl[*]}" >&2
    exit 1
  fi
  als_root=(sudo)
fi
echo "setup: installing ${fehlend[*]}"
"${als_root[@]}" apt-get update -q
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive "${befehl[@]}"
