// Keeps the page's own files, so that it opens without a network once it has been loaded.
// The build names the cache after a hash of the files it ships, not after the version: a page
// rebuilt with a fix under the same version must still replace the cache of everyone who came
// before. Any change to them changes this file, so the browser installs it anew on the next
// visit; it takes over at once, and the reload after that shows the new page.
'use strict';

var CACHE = 'vellumark-@FILES_HASH@';
var FILES = [
  './', 'index.html', 'manifest.webmanifest',
  'icon-16.png', 'icon-32.png', 'icon-192.png', 'icon-512.png',
  'paste.png', 'clear.png', 'cut.png', 'copy.png'
];

self.addEventListener('install', (event) => {
  // Past the browser's HTTP cache, which may still hold the old files.
  const fresh = FILES.map((file) => new Request(file, {cache: 'reload'}));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh))
    .then(() => self.skipWaiting()));
});

// The caches of the files that shipped before go.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  event.respondWith(caches.match(event.request, {ignoreSearch: true})
    .then((kept) => kept || fetch(event.request)));
});
