#!/bin/bash
# What the screen reader Orca says, key by key, in the desktop window or in
# the page in a browser (started as tests/web/lib/browser.mjs starts it for a
# person); orca.py starts Orca and checks what it says.
# usage: orca.sh fenster|menuetitel PROGRAM   (run inside xvfb-run)
#        orca.sh firefox|chromium PAGE.html
#   ORCA_MITSCHRIFT=FILE appends every key and what Orca said to FILE.
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
art=$1 ziel=$2
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
case $art in
  fenster|menuetitel) befehl=("$ziel") ;;
  firefox|chromium)
    mapfile -t befehl < <(cd "$hier/../web" && NODE_PATH=node_modules node lib/browser.mjs befehlszeile "$art" "$ziel" "$profil")
    # A crash ends the browser instead of opening a reporter that waits for a person.
    export XSITZUNG_FENSTER="Tarnbild - Demo" MOZ_CRASHREPORTER_DISABLE=1 ;;
  *) echo "usage: $0 fenster|menuetitel|firefox|chromium PROGRAM|PAGE" >&2; exit 2 ;;
esac
"$hier/xsitzung.sh" "$hier/orca.py" "$art" -- "${befehl[@]}"
