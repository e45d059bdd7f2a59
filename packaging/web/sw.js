// Keeps the page and its few files for use without a network: each version of
// the page is cached whole when it is installed, and served from the cache,
// then the network, from then on. Old versions are removed on activation.
const CACHE = 'quorvel-@VERSION@';
const FILES = ['./', 'index.html', 'manifest.webmanifest', 'icon-128.png', 'icon-256.png',
               'icon.svg'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
  self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((keys) => Promise.all(
      keys.filter((key) => key !== CACHE).map((key) => caches.delete(key)))));
  self.clients.claim();
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.match(event.request, {ignoreSearch: true})
                        .then((kept) => kept || fetch(event.request)));
});
