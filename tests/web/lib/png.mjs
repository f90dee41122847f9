// Decodes the 8-bit, non-interlaced PNGs that browsers write for screenshots into RGBA.
import { inflateSync, deflateSync } from 'node:zlib';

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

const CRC = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function stueck(typ, inhalt) {
  const kopf = Buffer.alloc(8);
  kopf.writeUInt32BE(inhalt.length, 0);
  kopf.write(typ, 4, 'latin1');
  let crc = 0xffffffff;
  for (const b of Buffer.concat([kopf.subarray(4), inhalt])) crc = CRC[(crc ^ b) & 255] ^ (crc >>> 8);
  const ende = Buffer.alloc(4);
  ende.writeUInt32BE((crc ^ 0xffffffff) >>> 0, 0);
  return Buffer.concat([kopf, inhalt, ende]);
}

// A rectangle of an RGBA picture as an RGB PNG.
export function schreibePng({ breite, rgba }, { x, y, width, height }) {
  const roh = Buffer.alloc(height * (width * 3 + 1));
  for (let j = 0; j < height; j++) {
    for (let i = 0; i < width; i++) {
      const q = ((y + j) * breite + x + i) * 4;
      roh.set(rgba.subarray(q, q + 3), j * (width * 3 + 1) + 1 + i * 3);
    }
  }
  const ihdr = Buffer.alloc(13);
  ihdr.writeUInt32BE(width, 0);
  ihdr.writeUInt32BE(height, 4);
  ihdr.set([8, 2, 0, 0, 0], 8);
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), stueck('IHDR', ihdr),
    stueck('IDAT', deflateSync(roh, { level: 9 })), stueck('IEND', Buffer.alloc(0))]);
}
