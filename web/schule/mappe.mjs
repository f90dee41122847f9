// Makes the folder for a school's web server from tarnbild.html: index.html (the same page with a
// manifest link and the worker's registration), manifest.json, the icons, the guide for teachers
// with the version under its title, and sw.js, whose cache name carries the version and, like its
// file list, the SHA-256 of every other file. VERSION is debian/changelog's.
// usage: node mappe.mjs tarnbild.html data/icons docs/LEHRKRAEFTE.md ZIELORDNER VERSION
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync, mkdirSync, rmSync, readdirSync, renameSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const [seitePfad, iconOrdner, anleitungPfad, ziel, version] = process.argv.slice(2);
if (!version) {
  console.error('usage: node mappe.mjs tarnbild.html data/icons docs/LEHRKRAEFTE.md ZIELORDNER VERSION');
  process.exit(2);
}
const hier = dirname(fileURLToPath(import.meta.url));

// The served copy may load its manifest, the manifest's icons and its worker from its own
// address; nothing else.
const ERLAUBT = [["img-src data: blob:", "img-src 'self' data: blob:"],
  ["connect-src 'none'", "connect-src 'none'; manifest-src 'self'; worker-src 'self'"]];
function servierteSeite(seite) {
  const csp = /<meta http-equiv="Content-Security-Policy" content="([^"]*)">/;
  let regeln = seite.match(csp)?.[1];
  for (const [alt, neu] of ERLAUBT) {
    if (!regeln?.split('; ').includes(alt) || !seite.includes('</head>')) {
      throw new Error(`${seitePfad}: no </head>, or no Content-Security-Policy with ${alt}`);
    }
    regeln = regeln.replace(alt, neu);
  }
  const anmelden = readFileSync(join(hier, 'anmelden.js'), 'utf8');
  return seite.replace(csp, () => `<meta http-equiv="Content-Security-Policy" content="${regeln}">`)
    .replace('</head>', () => '<link rel="manifest" href="manifest.json">\n'
      + '<link rel="icon" href="icons/punktgarten.svg" type="image/svg+xml">\n'
      + '<link rel="apple-touch-icon" href="icons/punktgarten-192.png">\n'
      + `<script>\n${anmelden}</script>\n</head>`);
}

const dateien = new Map(); // path in the folder -> bytes
dateien.set('index.html', Buffer.from(servierteSeite(readFileSync(seitePfad, 'utf8'))));
const icons = [];
for (const groesse of readdirSync(iconOrdner).filter((n) => /^\d+x\d+$/.test(n))
  .sort((a, b) => parseInt(a, 10) - parseInt(b, 10))) {
  const pfad = `icons/punktgarten-${groesse.split('x')[0]}.png`;
  dateien.set(pfad, readFileSync(join(iconOrdner, groesse, 'punktgarten.png')));
  icons.push({ src: pfad, sizes: groesse, type: 'image/png' });
}
dateien.set('icons/punktgarten.svg', readFileSync(join(iconOrdner, 'punktgarten.svg')));
icons.push({ src: 'icons/punktgarten.svg', sizes: 'any', type: 'image/svg+xml' });
dateien.set('manifest.json', Buffer.from(`${JSON.stringify({
  name: 'Tarnbild - Demo',
  short_name: 'Tarnbild',
  lang: 'de',
  start_url: './index.html',
  scope: './',
  display: 'standalone',
  background_color: '#f0f0f0',
  theme_color: '#f0f0f0',
  icons,
}, null, 2)}\n`));
// A byte order mark, so that a browser reads the umlauts as UTF-8 from any server; the version
// under the title, so that a teacher can tell which release the folder holds.
const anleitung = readFileSync(anleitungPfad, 'utf8');
const titelEnde = anleitung.indexOf('\n') + 1;
dateien.set('LIESMICH.txt', Buffer.from(`\ufeff${anleitung.slice(0, titelEnde)}\nFassung ${version}\n${
  anleitung.slice(titelEnde)}`));

const vorlage = readFileSync(join(hier, 'sw.js'), 'utf8');
const summe = createHash('sha256').update(vorlage);
const liste = [...dateien].map(([pfad, bytes]) => {
  summe.update(`${pfad}\0${bytes.length}\0`).update(bytes);
  return { pfad, integritaet: `sha256-${createHash('sha256').update(bytes).digest('base64')}` };
});
const sw = vorlage
  .replace('@CACHE@', `tarnbild-${version}-${summe.digest('hex').slice(0, 16)}`)
  .replace('@DATEIEN@', JSON.stringify(liste, null, 2));
dateien.set('sw.js', Buffer.from(sw));

// Written beside the target and renamed, so the folder is never half old, half new.
const neu = `${ziel}.neu`;
rmSync(neu, { recursive: true, force: true });
for (const [pfad, bytes] of dateien) {
  mkdirSync(dirname(join(neu, pfad)), { recursive: true });
  writeFileSync(join(neu, pfad), bytes);
}
rmSync(ziel, { recursive: true, force: true });
renameSync(neu, ziel);
