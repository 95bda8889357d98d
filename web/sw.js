// Keeps the page working offline once it has been opened: every file of the
// site, the five programs included, is kept when the page is first loaded,
// answered from what is kept, and refreshed from the server behind it, so
// that a new version shows from the next visit.
const CACHE = "menu-containers";
const FILES = ["./", "index.html", "style.css", "app.js", "runtime.js", "drawing.js", "line.js",
  "xterm.js", "xterm.css", "icon.svg", "programs.json", "LICENSE.txt", "xterm-LICENSE.txt"];

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await cache.addAll(FILES);
    const programs = await (await cache.match("programs.json")).json();
    await cache.addAll(programs.map(({ name }) => `programs/${name}.wasm.gz`));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (event) => event.waitUntil(self.clients.claim()));

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
  const fresh = fetch(request).then(async (response) => {
    if (response.ok) await (await caches.open(CACHE)).put(request, response.clone());
    return response;
  });
  event.waitUntil(fresh.catch(() => {}));  // offline: what is kept will do
  event.respondWith(caches.match(request, { ignoreSearch: true })
    .then((kept) => kept ?? fresh));
});
