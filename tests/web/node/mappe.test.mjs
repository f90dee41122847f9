// The school folder (web/schule/mappe.mjs) and its version: the guide names it under its title,
// the worker's cache carries it beside the hash, and one page and version give the same bytes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const wurzel = join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..');
const SEITE = '<html><head><meta http-equiv="Content-Security-Policy" content="default-src \'none\'; '
  + 'img-src data: blob:; connect-src \'none\'"></head><body></body></html>';

test('the version under the guide\'s title and in the cache name; the same build, the same bytes', (t) => {
  const ort = mkdtempSync(join(tmpdir(), 'tarnbild-mappe-'));
  t.after(() => rmSync(ort, { recursive: true, force: true }));
  writeFileSync(join(ort, 'seite.html'), SEITE);
  const baue = (name, version) => {
    const ziel = join(ort, name);
    execFileSync(process.execPath, [join(wurzel, 'web/schule/mappe.mjs'), join(ort, 'seite.html'),
      join(wurzel, 'data/icons'), join(wurzel, 'docs/LEHRKRAEFTE.md'), ziel, version]);
    const dateien = readdirSync(ziel, { recursive: true }).sort()
      .filter((pfad) => pfad.includes('.')).map((pfad) => [pfad, readFileSync(join(ziel, pfad), 'utf8')]);
    const inhalt = Object.fromEntries(dateien);
    return { dateien, kopf: inhalt['LIESMICH.txt'].split('\n').slice(1, 3), cache: inhalt['sw.js'].match(/const CACHE = '([^']+)'/)[1] };
  };
  const [a, nochmal, neuer] = [['a', '1.2.3'], ['b', '1.2.3'], ['c', '1.2.4']].map(([n, v]) => baue(n, v));
  assert.deepEqual(a.kopf, ['', 'Fassung 1.2.3']);
  assert.match(a.cache, /^tarnbild-1\.2\.3-[0-9a-f]{16}$/);
  assert.deepEqual(nochmal, a);
  assert.match(neuer.cache, /^tarnbild-1\.2\.4-[0-9a-f]{16}$/);
  assert.notEqual(neuer.cache.slice(-16), a.cache.slice(-16), 'the hash covers the guide with its version');
});
