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

self.addEventListener('install', function (event) {
  // Past the browser's HTTP cache, which may still hold the old files.
  var fresh = FILES.map(function (file) {
    return new Request(file, {cache: 'reload'});
  });
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    return cache.addAll(fresh);
  }).then(function () {
    return self.skipWaiting();
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name !== CACHE;
    }).map(function (name) {
      return caches.delete(name);
    }));
  }).then(function () {
    return self.clients.claim();
  }));
});

self.addEventListener('fetch', function (event) {
  event.respondWith(caches.match(event.request, {ignoreSearch: true}).then(function (kept) {
    return kept || fetch(event.request);
  }));
});
