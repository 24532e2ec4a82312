// SPDX-License-Identifier: GPL-3.0-or-later
// Caches every file of this build on install and answers from that cache
// first, so the page opens and works with the network off. A new build's
// worker waits until the page asks it in (its Reload, once any unsaved
// document has a draft): a page is never served two versions' files.
const CACHE = '__VANTREL_CACHE__';
const FILES = __VANTREL_FILES__;

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
});

self.addEventListener('message', (event) => {
    if (event.data === 'skip-waiting') {
        event.waitUntil(self.skipWaiting());
    }
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches.keys()
            .then((keys) => Promise.all(keys.filter((key) => key !== CACHE).map((key) => caches.delete(key))))
            .then(() => self.clients.claim()),
    );
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
        return;
    }
    event.respondWith(
        caches.match(request, { ignoreSearch: true }).then((cached) => cached || fetch(request)),
    );
});
