// The offline copy of the game. At install every file of the page goes into one cache
// named after the build; the page is then served from that cache alone, so a page never
// mixes an old program with new data. A new build installs its own cache beside the old
// one, takes over when the page asks (web/offline.js, before the program runs) and then
// deletes every older cache. Written by web/service_worker.cmake: the build's hash and
// the file list come from the build.
'use strict';
const CACHE = 'zandrel-@ZANDREL_BUILD_HASH@';
const FILES = [@ZANDREL_CACHED_FILES@];

self.addEventListener('install', event => {
  // Checked with the server, so they are this build's; a server that can tell the files
  // have not changed since the page fetched them does not send them again.
  event.waitUntil(caches.open(CACHE).then(cache =>
    cache.addAll(FILES.map(file => new Request(file, { cache: 'no-cache' })))));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith('zandrel-') && name !== CACHE)
                                    .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('message', event => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(event.request, { ignoreSearch: true }))
    .then(hit => hit || fetch(event.request)));
});
