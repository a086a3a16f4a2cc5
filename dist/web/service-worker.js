// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's files in the browser, so that the game starts without a network once visited.
// The build writes the list and a version made from the files' contents: a build with any file changed
// is a new worker, whose cache replaces the old one as it takes over.
const CACHE = 'tilora-@PAGE_VERSION@';
const FILES = [@PAGE_FILES@];

self.addEventListener('install', event => {
  // Checked with the host rather than taken from the browser's HTTP cache, which could hold the previous
  // build's files; a file the page has just loaded is answered "not modified" and not sent again.
  const requests = ['./', ...FILES].map(file => new Request(file, { cache: 'no-cache' }));
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  const stale = names => names.filter(name => name.startsWith('tilora-') && name !== CACHE);
  event.waitUntil(caches.keys()
    .then(names => Promise.all(stale(names).map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET')
    return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(event.request, { ignoreSearch: true }))
    .then(kept => kept ?? fetch(event.request)));
});
