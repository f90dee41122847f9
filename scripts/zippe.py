#!/usr/bin/env python3
"""Packs the files of a folder into a zip that comes out the same, byte for byte, on every
machine: the folder's files at the zip's top level in the order of their paths, no entries for
folders, each with the time SOURCE_DATE_EPOCH (as UTC, for zip times have no zone), mode 644,
no extra fields, deflated at level 9.
usage: SOURCE_DATE_EPOCH=SECONDS zippe.py ORDNER ZIEL.zip"""
import os
import sys
import time
import zipfile


def main():
    if len(sys.argv) != 3 or not os.environ.get('SOURCE_DATE_EPOCH', '').isdigit():
        sys.exit(__doc__.rsplit('\n', 1)[1])
    ordner, ziel = sys.argv[1:]
    zeit = time.gmtime(int(os.environ['SOURCE_DATE_EPOCH']))[:6]
    pfade = sorted(os.path.relpath(os.path.join(wo, name), ordner).replace(os.sep, '/')
                   for wo, _, namen in os.walk(ordner) for name in namen)
    with zipfile.ZipFile(ziel, 'w') as zip_:
        for pfad in pfade:
            eintrag = zipfile.ZipInfo(pfad, zeit)
            eintrag.create_system = 3  # Unix, so that the mode below counts
            eintrag.external_attr = 0o100644 << 16
            eintrag.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(ordner, pfad), 'rb') as datei:
                zip_.writestr(eintrag, datei.read(), compresslevel=9)


if __name__ == '__main__':
    main()
