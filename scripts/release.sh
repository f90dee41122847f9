#!/bin/bash
# Builds a release from a clean tree (HEAD, nothing changed or new) into dist/:
#   tarnbild-VERSION.html            the page, one file
#   tarnbild-schule-VERSION.zip      the folder for a school's web server, index.html at its top
#                                    level (Moodle: "Entpacken", "Als Hauptdatei festlegen")
#   punktgarten_VERSION_ARCH.deb     the Debian package
#   punktgarten-VERSION.tar.gz       the source (git archive of HEAD)
#   SHA256SUMS                       for sha256sum -c
# VERSION is debian/changelog's, and so is every time stamp (SOURCE_DATE_EPOCH), so two builds of
# one commit give the same bytes. The page and the folder come from scripts/webbau.sh, the
# package from scripts/paketbau.sh, both run in a clone of HEAD in build-release/ (so that an
# edit during the build stays out), unless taken from another build:
#   --web DIR   the page and the folder of the web build in DIR (CI: build-web)
#   --deb FILE  this package (CI: the one the package test built, installed and purged)
#   --pruefen   builds twice, here and in a clone in another folder with another clock
#               (faketime), time zone, locale, umask, user (nobody, when run as root) and
#               home, and compares the two SHA256SUMS
# usage: scripts/release.sh [--web DIR] [--deb FILE] | --pruefen
set -euo pipefail
shopt -s inherit_errexit
fehler() { echo "release: $*" >&2; exit 1; }
web=
deb=
pruefen=false
while [ $# -gt 0 ]; do
  case $1 in
    --web) web=$(realpath "${2:?}"); shift 2 ;;
    --deb) deb=$(realpath "${2:?}"); shift 2 ;;
    --pruefen) pruefen=true; shift ;;
    *) echo "usage: $0 [--web DIR] [--deb FILE] | --pruefen" >&2; exit 2 ;;
  esac
done
if $pruefen && [ -n "$web$deb" ]; then fehler "--pruefen builds everything itself, twice"; fi
cd "$(dirname "$0")/.."
[ -z "$(git status --porcelain)" ] \
  || fehler "the tree has changes or new files; a release is built from a commit alone:
$(git status --short | head -n 20)"

# Builds a release in a clone in ORT/anderer-ordner with the environment given, as the user
# nobody when root, and prints its SHA256SUMS.
zweiter_lauf() {
  local ort=$1
  shift
  local als=()
  if [ "$(id -u)" -eq 0 ]; then als=(setpriv --reuid=nobody --regid=nogroup --clear-groups); fi
  (umask 077
   git clone -q --no-checkout "$PWD" "$ort/anderer-ordner"
   git -C "$ort/anderer-ordner" checkout -q "$(git rev-parse HEAD)"
   mkdir "$ort/heim"
   if [ ${#als[@]} -gt 0 ]; then chown -R nobody:nogroup "$ort"; fi
   # shellcheck disable=SC2016 # the second build expands these itself
   cd "$ort/anderer-ordner" && "${als[@]}" env HOME="$ort/heim" "$@" bash -c \
     'echo "release: second build: $(date -R), TZ=$TZ, LC_ALL=$LC_ALL, umask $(umask), $(id -un), $PWD"
      exec bash scripts/release.sh') >&2
  cat "$ort/anderer-ordner/dist/SHA256SUMS"
}

if $pruefen; then
  beginn=$SECONDS
  command -v faketime >/dev/null || fehler "faketime is missing (bash scripts/setup.sh test installs it)"
  (umask 022; env TZ=UTC LC_ALL=C.UTF-8 bash scripts/release.sh)
  echo "release: first build done after $((SECONDS - beginn)) s; the second in another folder"
  ort=$(mktemp -d /tmp/punktgarten-zweiter.XXXXXX)
  zweite=$(zweiter_lauf "$ort" TZ=Pacific/Kiritimati LC_ALL=POSIX LANG= \
             USER=pruefer LOGNAME=pruefer faketime -f +400d)
  echo "== first build (dist/SHA256SUMS)"
  cat dist/SHA256SUMS
  echo "== second build ($ort/anderer-ordner/dist/SHA256SUMS)"
  echo "$zweite"
  if [ "$zweite" != "$(cat dist/SHA256SUMS)" ]; then
    for datei in $(diff <(echo "$zweite") dist/SHA256SUMS | awk '/^</ { print $3 }'); do
      if command -v diffoscope >/dev/null; then
        diffoscope --text - "dist/$datei" "$ort/anderer-ordner/dist/$datei" | head -n 200 || true
      else
        cmp "dist/$datei" "$ort/anderer-ordner/dist/$datei" || true
      fi
    done
    fehler "the two builds differ; the second stays in $ort"
  fi
  rm -rf "$ort"
  echo "release: both builds are the same, byte for byte ($((SECONDS - beginn)) s)"
  exit 0
fi

beginn=$SECONDS
commit=$(git rev-parse HEAD)
version=$(dpkg-parsechangelog -S Version)
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH
arch=$(dpkg --print-architecture)
bau=$PWD/build-release
rm -rf "$bau"
mkdir -p "$bau"
quelle=$bau/quelle
git clone -q --no-checkout "$PWD" "$quelle"
git -C "$quelle" checkout -q "$commit"
if [ -z "$web" ]; then
  echo "release: the page and the school folder (scripts/webbau.sh)"
  bash "$quelle/scripts/webbau.sh" "$bau/web" tarnbild_mappe
  web=$bau/web
fi
if [ -z "$deb" ]; then
  echo "release: the Debian package (scripts/paketbau.sh)"
  mkdir "$bau/paket"
  deb=$(bash "$quelle/scripts/paketbau.sh" "$quelle" "$version" "$bau/paket")
fi
# A build taken from elsewhere must be of this version.
grep -qx "Fassung $version" "$web/tarnbild/LIESMICH.txt" \
  || fehler "$web/tarnbild/LIESMICH.txt is not of version $version"
grep -q "^const CACHE = 'tarnbild-$version-" "$web/tarnbild/sw.js" \
  || fehler "$web/tarnbild/sw.js names no cache of version $version"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fehler "$deb is not of version $version"

dateien=("tarnbild-$version.html" "tarnbild-schule-$version.zip" "punktgarten_${version}_$arch.deb"
         "punktgarten-$version.tar.gz")
rm -rf dist
mkdir dist
cp "$web/tarnbild.html" "dist/${dateien[0]}"
python3 scripts/zippe.py "$web/tarnbild" "dist/${dateien[1]}"
cp "$deb" "dist/${dateien[2]}"
# git archive stamps every file with the commit's time, and its tar modes do not follow umask.
git archive --format=tar --prefix="punktgarten-$version/" "$commit" | gzip -9n >"dist/${dateien[3]}"
(cd dist && sha256sum "${dateien[@]}" >SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
chmod 644 dist/*
echo "release: $version in dist/ ($((SECONDS - beginn)) s):"
(cd dist && stat -c '  %s	%n' "${dateien[@]}" SHA256SUMS)
