// Registers the folder's service worker once the page has loaded, so that the page starts again
// with no network, and asks the server for a newer build at every start (not every browser does
// so on its own at once). Only over http(s): from file:// a browser has no worker to give.
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').then((anmeldung) => anmeldung.update().catch(() => {
      // no network: the build in the cache runs
    }), (fehler) => {
      console.warn('Tarnbild läuft, startet aber ohne Netz nicht:', fehler);
    });
  });
}
