#!/bin/bash
# scripts/setup.sh: its package list agrees with dpkg's own reading of
# debian/control, and without root it uses sudo, or, without sudo, prints the
# apt-get line to run as root and fails. Runs as nobody when started as root.
# usage: setuptest.sh SOURCE_DIR
set -euo pipefail
quelle=$(cd "$1" && pwd)
fehler() { echo "setuptest: $*" >&2; exit 1; }
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
chmod 755 "$arbeit"

# The first alternative of every Build-Depends and Recommends entry, as dpkg parses them.
dpkg_liste=$(cd "$quelle" && perl -MDpkg::Control::Info -MDpkg::Deps -e '
  my $c = Dpkg::Control::Info->new("debian/control");
  for my $feld ($c->get_source->{"Build-Depends"}, ($c->get_packages)[0]->{"Recommends"}) {
    for my $d (deps_parse($feld)->get_deps) {
      my $erste = $d->isa("Dpkg::Deps::OR") ? ($d->get_deps)[0] : $d;
      print $erste->{package}, "\n" unless $erste->{package} eq "debhelper-compat";
    }
  }')
setup_liste=$(bash "$quelle/scripts/setup.sh" --list start | grep -vx build-essential)
[ "$(sort <<<"$setup_liste")" = "$(sort <<<"$dpkg_liste")" ] \
  || fehler "setup.sh liest debian/control anders als dpkg: $(diff <(sort <<<"$dpkg_liste") <(sort <<<"$setup_liste") | tr '\n' ' ')"

# A copy of the tree whose test list names a package that is not installed.
baum=$arbeit/baum
mkdir -p "$baum/scripts" "$baum/debian"
cp "$quelle/scripts/setup.sh" "$quelle/scripts/testpakete.txt" "$quelle/scripts/webpakete.txt" "$baum/scripts/"
cp "$quelle/debian/control" "$baum/debian/"
echo punktgarten-fehlt-zum-test >>"$baum/scripts/testpakete.txt"
# Every program of /usr/bin but sudo, and a directory with a sudo that only notes its call.
mkdir "$arbeit/ohne-sudo" "$arbeit/mit-sudo"
ln -s /usr/bin/* "$arbeit/ohne-sudo/"
rm -f "$arbeit/ohne-sudo/sudo"
printf '#!/bin/sh\necho "$*" >>%s/sudo.log\n' "$arbeit" >"$arbeit/mit-sudo/sudo"
chmod 755 "$arbeit/mit-sudo/sudo"
touch "$arbeit/sudo.log" && chmod 666 "$arbeit/sudo.log"
als_benutzer=()
[ "$(id -u)" -ne 0 ] || als_benutzer=(setpriv --reuid=nobody --regid=nogroup --clear-groups)

# case | PATH | set | expected status | expected on stderr | expected sudo calls
faelle=(
  "ohne sudo|$arbeit/ohne-sudo|test|1|apt-get install -y -q --no-install-recommends punktgarten-fehlt-zum-test|"
  "mit sudo|$arbeit/mit-sudo:$arbeit/ohne-sudo|test|0||env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends punktgarten-fehlt-zum-test"
  "nichts fehlt|$arbeit/mit-sudo:$arbeit/ohne-sudo|start|0||"
)
for fall in "${faelle[@]}"; do
  IFS='|' read -r name pfad umfang status meldung aufruf <<<"$fall"
  : >"$arbeit/sudo.log"
  set +e
  env -i PATH="$pfad" "${als_benutzer[@]}" bash "$baum/scripts/setup.sh" "$umfang" >/dev/null 2>"$arbeit/stderr"
  ist=$?
  set -e
  [ "$ist" -eq "$status" ] || fehler "$name: Status $ist statt $status: $(cat "$arbeit/stderr")"
  [ -z "$meldung" ] || grep -qF -- "$meldung" "$arbeit/stderr" || fehler "$name: der apt-get-Befehl fehlt: $(cat "$arbeit/stderr")"
  if [ -z "$aufruf" ]; then
    [ ! -s "$arbeit/sudo.log" ] || fehler "$name: sudo gerufen: $(cat "$arbeit/sudo.log")"
  else
    grep -qxF -- "$aufruf" "$arbeit/sudo.log" || fehler "$name: sudo nicht so gerufen: $(cat "$arbeit/sudo.log")"
  fi
done
echo "setuptest: ${#faelle[@]} Fälle"
