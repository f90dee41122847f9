// Instantiates the embedded wasm from its bytes. The loader would otherwise
// first fetch its own data: URI, which the page's Content-Security-Policy
// (connect-src 'none') refuses; the page makes no request at all.
// A browser that cannot run the module says so in German instead of showing
// an empty page: the program needs WebAssembly with SIMD and exceptions.
function kannLaufen() {
  if (typeof WebAssembly !== 'object') return false;
  const simd = [0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3, 2, 1, 0, 10, 10, 1, 8, 0,
    65, 0, 253, 15, 253, 98, 11];
  const ausnahmen = [0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0, 10, 8, 1, 6, 0,
    6, 64, 25, 11, 11];
  return [simd, ausnahmen].every((m) => WebAssembly.validate(new Uint8Array(m)));
}

function nichtLauffaehig() {
  const hinweis = document.getElementById('Ohne');
  if (hinweis) hinweis.hidden = false;
  const fenster = document.querySelector('main');
  if (fenster) fenster.hidden = true;
}

Module['onAbort'] = nichtLauffaehig;

Module['instantiateWasm'] = function (importe, fertig) {
  if (!kannLaufen()) {
    nichtLauffaehig();
    return {};
  }
  WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), importe).then(
    function (ergebnis) { fertig(ergebnis.instance, ergebnis.module); },
    function (fehler) { abort(fehler); });
  return {};
};
