// Registers the folder's service worker once the page has loaded, so that the page starts again
// with no network. Only over http(s): from file:// a browser has no worker to give.
if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
  addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch((fehler) => {
      console.warn('Tarnbild läuft, startet aber ohne Netz nicht:', fehler);
    });
  });
}
