#!/bin/bash
# What the screen reader Orca says, key by key, in the desktop window or in
# the page in a browser; orca.py starts Orca and checks what it says.
# usage: orca.sh fenster|menuetitel PROGRAM   (run inside xvfb-run)
#        orca.sh firefox|chromium PAGE.html
#   ORCA_MITSCHRIFT=FILE appends every key and what Orca said to FILE;
#   ORCA_PY=client.py runs another client with orca.py's helpers instead.
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
art=$1 ziel=$2
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
export ZUGANG_PY="${ORCA_PY:-$hier/orca.py} $art"
case $art in
  fenster|menuetitel)
    "$hier/zugang.sh" "$ziel" ;;
  firefox)
    # A fresh profile that opens the page and nothing else, and shows no
    # first-run pages.
    cat >"$profil/user.js" <<'PREFS'
user_pref("browser.shell.checkDefaultBrowser", false);
user_pref("browser.startup.homepage_override.mstone", "ignore");
user_pref("browser.aboutwelcome.enabled", false);
user_pref("datareporting.policy.dataSubmissionEnabled", false);
user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);
user_pref("trailhead.firstrun.didSeeAboutWelcome", true);
user_pref("browser.tabs.warnOnClose", false);
user_pref("accessibility.force_disabled", -1);
PREFS
    GNOME_ACCESSIBILITY=1 ZUGANG_FENSTER="Tarnbild - Demo" \
      "$hier/zugang.sh" firefox-esr --no-remote --profile "$profil" --kiosk "file://$(realpath "$ziel")" ;;
  chromium)
    ZUGANG_FENSTER="Tarnbild - Demo" \
      "$hier/zugang.sh" chromium --no-sandbox --disable-gpu --no-first-run --no-default-browser-check \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profil" --force-renderer-accessibility --app="file://$(realpath "$ziel")" ;;
  *) echo "usage: $0 fenster|menuetitel|firefox|chromium PROGRAM|PAGE" >&2; exit 2 ;;
esac
