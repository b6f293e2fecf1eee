// Keeps the page's own files, so that it opens without a network once it has been loaded.
// The build writes the version into the cache's name, so that a new version replaces it.
'use strict';

var CACHE = 'vellumark-@VERSION@';
var FILES = [
  './', 'index.html', 'manifest.webmanifest',
  'icon-16.png', 'icon-32.png', 'icon-192.png', 'icon-512.png',
  'paste.png', 'clear.png', 'cut.png', 'copy.png'
];

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    return cache.addAll(FILES);
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name !== CACHE;
    }).map(function (name) {
      return caches.delete(name);
    }));
  }));
});

self.addEventListener('fetch', function (event) {
  event.respondWith(caches.match(event.request, {ignoreSearch: true}).then(function (kept) {
    return kept || fetch(event.request);
  }));
});
