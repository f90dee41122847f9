"""scripts/zippe.py: one folder gives one zip, byte for byte, whatever order its files were
written in, their times and modes, the time zone and the umask; the zip holds the files alone,
in path order at its top level, with SOURCE_DATE_EPOCH's time (as UTC), mode 644, no extra field.
usage: zippetest.py scripts/zippe.py"""
import calendar
import io
import os
import subprocess
import sys
import tempfile
import zipfile

DATEIEN = {'index.html': b'<html>', 'icons/b.png': b'\x89PNG', 'icons/a.svg': b'<svg/>',
           'LIESMICH.txt': 'Größe'.encode()}
ZEIT = (2026, 12, 8, 7, 30, 0)
# Each build: the order the files are written in, their time and mode, the time zone, the umask.
LAEUFE = [(sorted(DATEIEN), 0, 0o644, 'UTC', '022'),
          (sorted(DATEIEN, reverse=True), 2000000000, 0o600, 'Pacific/Kiritimati', '077')]


def baue(ort, reihenfolge, zeit, modus, zone, umask):
    mappe = os.path.join(ort, 'mappe')
    for pfad in reihenfolge:
        ziel = os.path.join(mappe, pfad)
        os.makedirs(os.path.dirname(ziel), exist_ok=True)
        with open(ziel, 'wb') as datei:
            datei.write(DATEIEN[pfad])
        os.chmod(ziel, modus)
        os.utime(ziel, (zeit, zeit))
    env = dict(os.environ, SOURCE_DATE_EPOCH=str(calendar.timegm(ZEIT)), TZ=zone)
    subprocess.run(['sh', '-c', f'umask {umask} && exec "$0" "$@"', sys.executable, sys.argv[1],
                    mappe, os.path.join(ort, 'mappe.zip')], env=env, check=True)
    with open(os.path.join(ort, 'mappe.zip'), 'rb') as datei:
        return datei.read()


zips = []
for lauf in LAEUFE:
    with tempfile.TemporaryDirectory() as ort:
        zips.append(baue(ort, *lauf))
assert zips[0] == zips[1], 'two zips of one folder differ'
with zipfile.ZipFile(io.BytesIO(zips[0])) as zip_:
    assert [e.filename for e in zip_.infolist()] == sorted(DATEIEN), zip_.namelist()
    for e in zip_.infolist():
        assert (e.date_time, e.external_attr >> 16, e.extra) == (ZEIT, 0o100644, b''), e
        assert zip_.read(e) == DATEIEN[e.filename], e.filename
print(f'zippe: {len(LAEUFE)} builds, one zip of {len(zips[0])} bytes')
