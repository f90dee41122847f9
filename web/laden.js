// Instantiates the embedded wasm from its bytes. The loader would otherwise
// first fetch its own data: URI, which the page's Content-Security-Policy
// (connect-src 'none') refuses; the page makes no request at all.
Module['instantiateWasm'] = function (importe, fertig) {
  WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), importe).then(
    function (ergebnis) { fertig(ergebnis.instance, ergebnis.module); },
    function (fehler) { abort(fehler); });
  return {};
};
