// The service worker of the school folder: keeps every file of one build in a cache named after
// the build, so that the page starts with no network after one visit. mappe.mjs fills in the
// cache name and the files with their SHA-256, so a cache holds exactly one build: a file that
// arrives with other bytes (the folder half replaced on the server) fails the install, and the
// old build stays until the next try.
const CACHE = '@CACHE@';
const DATEIEN = @DATEIEN@;
// Longer than this for the answer's headers, and the page starts from the cache.
const GEDULD_MS = 3000;

self.addEventListener('install', (ereignis) => {
  ereignis.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    // cache: 'reload' past the browser's HTTP cache, which may still hold the last build.
    const antworten = await Promise.all(DATEIEN.map(async ({ pfad, integritaet }) => {
      const antwort = await fetch(new Request(pfad, { cache: 'reload', integrity: integritaet }));
      if (!antwort.ok) throw new Error(`${pfad}: ${antwort.status}`);
      return [pfad, antwort];
    }));
    await Promise.all(antworten.map(([pfad, antwort]) => cache.put(pfad, antwort)));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (ereignis) => {
  ereignis.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith('tarnbild-') && name !== CACHE) await caches.delete(name);
    }
    await self.clients.claim();
  })());
});

// The server first, so that a new build reaches the pupils on their next start; the cache when
// the server is gone or slow. A page load always takes index.html, whatever its address.
self.addEventListener('fetch', (ereignis) => {
  const anfrage = ereignis.request;
  if (anfrage.method !== 'GET' || !anfrage.url.startsWith(self.registration.scope)) return;
  ereignis.respondWith((async () => {
    const cache = await caches.open(CACHE);
    const gespeichert = await (anfrage.mode === 'navigate'
      ? cache.match('index.html') : cache.match(anfrage, { ignoreSearch: true }));
    const netz = fetch(anfrage, { cache: 'no-cache' });
    if (!gespeichert) return netz;
    const geduld = new Promise((fertig) => { setTimeout(fertig, GEDULD_MS, gespeichert); });
    return Promise.race([netz.then((a) => (a.ok ? a : gespeichert), () => gespeichert), geduld]);
  })());
});
