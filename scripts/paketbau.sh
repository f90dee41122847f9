#!/bin/bash
# Builds the Debian package the way Debian does: dpkg-buildpackage -b from a copy of the source
# tree in ARBEIT/punktgarten-VERSION. The copy holds what git tracks plus new files it does not
# ignore, so build folders and in-tree package builds stay out. The packages, .buildinfo and
# .changes land in ARBEIT, the build's log in ARBEIT/bau.log; the path of the package is printed.
# tests/paket/pakettest.sh and scripts/release.sh build through it.
# usage: scripts/paketbau.sh QUELLE VERSION ARBEIT
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 QUELLE VERSION ARBEIT" >&2; exit 2; }
quelle=$(cd "$1" && pwd)
version=$2
arbeit=$(cd "$3" && pwd)
fehler() { echo "paketbau: $*" >&2; exit 1; }

baum="$arbeit/punktgarten-$version"
mkdir "$baum"
if git -C "$quelle" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$quelle" && git ls-files -z -co --exclude-standard -- . ':(exclude)obj-*' \
     | tar -cf - --null -T - --ignore-failed-read 2>/dev/null) | tar -xf - -C "$baum"
else
  tar -cf - -C "$quelle" --exclude=./.git --exclude='./build*' --exclude='./obj-*' . | tar -xf - -C "$baum"
fi
(cd "$baum" && env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL DEB_BUILD_OPTIONS="parallel=$(nproc)" \
   dpkg-buildpackage -b -us -uc) >"$arbeit/bau.log" 2>&1 \
  || { grep -m 20 -A 4 -E 'CMake Error|error:' "$arbeit/bau.log" >&2 || tail -n 40 "$arbeit/bau.log" >&2
       fehler "dpkg-buildpackage ist gescheitert"; }
deb="$arbeit/punktgarten_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fehler "kein Paket punktgarten_$version: $(ls "$arbeit")"
echo "$deb"
