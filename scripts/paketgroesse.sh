#!/bin/bash
# What scripts/setup.sh would download and install on a fresh Debian 12: a
# dpkg status that holds only the packages of priority required and important
# (what debootstrap installs), and apt-get asked against it without changing
# this machine. Needs this machine's apt lists to be current.
# usage: scripts/paketgroesse.sh [SET...]   (default: start test)
set -euo pipefail
cd "$(dirname "$0")/.."
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
mkdir "$arbeit/archiv"

# The release's own list names what a fresh system starts from; apt resolves
# their dependencies from an empty status, as debootstrap does.
liste=$(ls /var/lib/apt/lists/*_dists_bookworm_main_binary-"$(dpkg --print-architecture)"_Packages*)
mapfile -t grundpakete < <(/usr/lib/apt/apt-helper cat-file "$liste" \
  | awk -v RS= '/\nPriority: (required|important)\n/ { sub(/^Package: /, ""); sub(/\n.*/, ""); print }')
: >"$arbeit/leer"
mapfile -t frisch < <(apt-get install -s -q --no-install-recommends -o Debug::NoLocking=1 \
  -o Dir::State::status="$arbeit/leer" "${grundpakete[@]}" | awk '$1 == "Inst" { print $2 }')
mit_status() { awk -v RS= -v ORS='\n\n' '{ sub(/\n/, "\nStatus: install ok installed\n"); print }'; }
apt-cache show --no-all-versions "${frisch[@]}" | mit_status >"$arbeit/status"
echo "paketgroesse: a fresh system of ${#frisch[@]} packages (priority required and important, and what they depend on)"

# "N newly installed, download X, installed Y" from apt-get's summary.
groessen() {
  local neu laden platz
  neu=$(grep -oE '[0-9]+ newly installed' <<<"$1" || true)
  laden=$(grep -oE 'Need to get [0-9.,]+ [kMG]?B' <<<"$1" | sed 's/Need to get //' || true)
  platz=$(grep -oE '[0-9.,]+ [kMG]?B of additional disk space' <<<"$1" | sed 's/ of.*//' || true)
  [ -n "$laden" ] || { echo "$1" >&2; echo "paketgroesse: apt-get gave no sizes" >&2; exit 1; }
  echo "$neu, download $laden, installed $platz"
}

[ $# -gt 0 ] || set -- start test
for umfang in "$@"; do
  mapfile -t pakete < <(bash scripts/setup.sh --list "$umfang")
  ausgabe=$(apt-get install --assume-no --no-install-recommends -o Debug::NoLocking=1 \
              -o Dir::State::status="$arbeit/status" -o Dir::Cache::archives="$arbeit/archiv/" \
              "${pakete[@]}" 2>&1 || true)
  echo "$umfang (${#pakete[@]} packages named): $(groessen "$ausgabe")"
done

# The package build's one-time line in the README, and a check that it brings
# everything dpkg-buildpackage asks for.
befehl=(apt-get build-dep -q --no-install-recommends -o Debug::NoLocking=1
        -o Dir::State::status="$arbeit/status" -o Dir::Cache::archives="$arbeit/archiv/" ./)
ausgabe=$("${befehl[@]}" --assume-no 2>&1 || true)
echo "build-dep ./: $(groessen "$ausgabe")"
mapfile -t neu < <("${befehl[@]}" -s | awk '$1 == "Inst" { print $2 }')
mkdir "$arbeit/dpkg"
{ cat "$arbeit/status"; apt-cache show --no-all-versions "${neu[@]}" | mit_status; } >"$arbeit/dpkg/status"
dpkg-checkbuilddeps --admindir="$arbeit/dpkg" debian/control && echo "build-dep ./: dpkg-checkbuilddeps finds nothing missing"
