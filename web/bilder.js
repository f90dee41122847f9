// The two pictures. Each picture pixel is exactly k x k device pixels, k =
// max(1, floor(devicePixelRatio)): the canvas holds the W*k x H*k pixels at
// its top-left corner, which lies on a whole device pixel. It is padded with
// transparent pixels to a size every engine lays out exactly: at a ratio of
// 2.25 or 2.625 Chromium blends a canvas that is 580/2.625 CSS pixels wide.
(function (S) {
  'use strict';

  S.bilder = function (sitzung, $) {
    const platz = {}; // each canvas's slot from the layout, CSS pixels

    function bild(nr) {
      const c = $(nr === 0 ? 'Picture1' : 'Picture2');
      const w = sitzung.breite();
      const h = sitzung.hoehe();
      const dpr = window.devicePixelRatio || 1;
      c.dataset.ratio = String(dpr); // the ratio it is drawn for
      const k = Math.max(1, Math.floor(dpr));
      const bw = S.geraetepixelAb(w * k, dpr);
      const bh = S.geraetepixelAb(h * k, dpr);
      if (c.width !== bw || c.height !== bh) {
        c.width = bw;
        c.height = bh;
      }
      c.style.width = S.geraetepixel(bw / dpr, dpr) + 'px';
      c.style.height = S.geraetepixel(bh / dpr, dpr) + 'px';
      const form = $('Form1').getBoundingClientRect();
      const x0 = form.left + window.scrollX;
      const y0 = form.top + window.scrollY;
      c.style.left = (S.geraetepixel(x0 + platz[c.id].left, dpr) - x0) + 'px';
      c.style.top = (S.geraetepixel(y0 + platz[c.id].top, dpr) - y0) + 'px';

      const ctx = c.getContext('2d');
      const daten = ctx.createImageData(w * k, h * k);
      const quelle = sitzung.bild(nr); // R, G, B, 255 per pixel
      if (k === 1) {
        daten.data.set(quelle);
      } else {
        const von = new Uint32Array(quelle.buffer, quelle.byteOffset, w * h);
        const nach = new Uint32Array(daten.data.buffer);
        const zeile = w * k;
        for (let y = 0; y < h; ++y) {
          const start = y * k * zeile;
          for (let x = 0; x < w; ++x) {
            const p = von[y * w + x];
            for (let i = 0; i < k; ++i) nach[start + x * k + i] = p;
          }
          for (let j = 1; j < k; ++j) nach.copyWithin(start + j * zeile, start, start + zeile);
        }
      }
      ctx.putImageData(daten, 0, 0);
    }

    // Both pictures, or only picture nr.
    function malen(nur) {
      for (const nr of nur === undefined ? [0, 1] : [nur]) bild(nr);
    }

    return { platz, malen };
  };
})(Tarnbildseite);
