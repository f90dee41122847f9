// Decodes the 8-bit, non-interlaced PNGs that browsers write for screenshots into RGBA.
import { inflateSync } from 'node:zlib';

const KANAELE = { 0: 1, 2: 3, 4: 2, 6: 4 }; // grey, RGB, grey+alpha, RGBA

export function lesePng(daten) {
  const buf = Buffer.from(daten);
  if (buf.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG');
  let pos = 8;
  let kopf;
  const idat = [];
  while (pos < buf.length) {
    const laenge = buf.readUInt32BE(pos);
    const typ = buf.toString('latin1', pos + 4, pos + 8);
    const inhalt = buf.subarray(pos + 8, pos + 8 + laenge);
    if (typ === 'IHDR') {
      kopf = { breite: inhalt.readUInt32BE(0), hoehe: inhalt.readUInt32BE(4), tiefe: inhalt[8], farbe: inhalt[9], zeilensprung: inhalt[12] };
    } else if (typ === 'IDAT') idat.push(inhalt);
    else if (typ === 'IEND') break;
    pos += 12 + laenge;
  }
  const { breite, hoehe, tiefe, farbe, zeilensprung } = kopf;
  const bpp = KANAELE[farbe];
  if (tiefe !== 8 || !bpp || zeilensprung) throw new Error(`PNG kind ${tiefe}/${farbe}/${zeilensprung} not handled`);
  const roh = inflateSync(Buffer.concat(idat));
  const zeile = breite * bpp;
  const aus = Buffer.alloc(hoehe * zeile);
  for (let y = 0; y < hoehe; y++) {
    const filter = roh[y * (zeile + 1)];
    const ein = roh.subarray(y * (zeile + 1) + 1, (y + 1) * (zeile + 1));
    const z = aus.subarray(y * zeile, (y + 1) * zeile);
    const oben = y ? aus.subarray((y - 1) * zeile, y * zeile) : Buffer.alloc(zeile);
    for (let i = 0; i < zeile; i++) {
      const a = i >= bpp ? z[i - bpp] : 0;
      const b = oben[i];
      const c = i >= bpp ? oben[i - bpp] : 0;
      let v;
      switch (filter) {
        case 0: v = 0; break;
        case 1: v = a; break;
        case 2: v = b; break;
        case 3: v = (a + b) >> 1; break;
        case 4: {
          const p = a + b - c;
          const pa = Math.abs(p - a); const pb = Math.abs(p - b); const pc = Math.abs(p - c);
          v = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
          break;
        }
        default: throw new Error(`PNG filter ${filter}`);
      }
      z[i] = (ein[i] + v) & 255;
    }
  }
  const rgba = Buffer.alloc(breite * hoehe * 4);
  for (let i = 0; i < breite * hoehe; i++) {
    const q = aus.subarray(i * bpp, i * bpp + bpp);
    if (bpp <= 2) rgba.set([q[0], q[0], q[0], bpp === 2 ? q[1] : 255], i * 4);
    else rgba.set([q[0], q[1], q[2], bpp === 4 ? q[3] : 255], i * 4);
  }
  return { breite, hoehe, rgba };
}
