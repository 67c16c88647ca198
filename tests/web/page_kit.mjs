// What the browser suites share: the page's server, Debian's Chromium, the prepared saved
// progress and waiting for the page and the program.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const GAMES = 26;
export const SENTINEL = 9000;
const LOADING_FILL = '282850';  // the loading screen's colour (40, 40, 80)

// Every game's last-ten list starts with one earlier result, 9000 + g: a play of game g
// moves it down to the second place, whatever the play scored.
export function preparedState() {
  const fields = [];
  for (let j = 0; j < 25; j++) fields.push(j === 5 ? 1 : 0);  // sound on
  fields.push(5);
  for (let j = 0; j < 9; j++) fields.push(0);
  for (let g = 0; g < 31; g++) {
    let sum = 0;
    for (let j = 0; j < 10; j++) {
      const last = g < GAMES && j === 0 ? SENTINEL + g + 1 : 0;
      fields.push(0, last);
      sum += (g + 3 + j) * last;
    }
    fields.push(sum);
  }
  return fields.join('|') + '|';
}
// Entry j of game g's last-ten list in a state text.
export function lastTen(state, game, j) {
  return Number(state.split('|')[35 + 21 * (game - 1) + 2 * j + 1]);
}

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };
// Serves a site folder, noting each file it sends with its size (a file sent again, as to
// the service worker that caches what the page loaded, is one download); `site` and
// `offline` may change between requests (a second build, the network gone).
export function siteServer(site) {
  const server = {
    site, offline: false, sent: new Map(),
    http: http.createServer((request, response) => {
      if (server.offline) {
        request.socket.destroy();
        return;
      }
      const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
      const file = path.join(server.site, name === '/' ? 'index.html' : name);
      if (!file.startsWith(server.site + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
        response.writeHead(404).end();
        return;
      }
      const body = fs.readFileSync(file);
      server.sent.set(file, body.length);
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
                                'Cache-Control': 'no-store' });
      response.end(body);
    }),
    downloadBytes() {
      return [...server.sent.values()].reduce((sum, bytes) => sum + bytes, 0);
    },
    async listen() {
      await new Promise(resolve => server.http.listen(0, '127.0.0.1', resolve));
      return `http://127.0.0.1:${server.http.address().port}/`;
    },
  };
  return server;
}

const CHROMIUM = {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
         '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
};
export function launchChromium(moreArgs = []) {
  return chromium.launch({ ...CHROMIUM, args: [...CHROMIUM.args, ...moreArgs] });
}
// A browser with a profile on disk (what an installed app needs), as one context.
export function launchProfile(folder, contextOptions) {
  return chromium.launchPersistentContext(folder, { ...CHROMIUM, ...contextOptions });
}

export function cornerColour(page) {
  return canvasColour(page, 2, 2);
}
// The colour shown at (x, y) CSS pixels from the canvas's top left corner, as "rrggbb".
export async function canvasColour(page, x, y) {
  const box = await page.locator('#canvas').boundingBox();
  const png = await page.screenshot({
    clip: { x: Math.ceil(box.x) + x, y: Math.ceil(box.y) + y, width: 1, height: 1 } });
  return execFileSync('convert', ['png:-', '-format', '%[hex:p{0,0}]', 'info:'], { input: png })
    .toString().trim().toLowerCase();
}
// After the start the canvas shows black until the first update, then the loading screen
// for 38 updates, then the menu.
export function awaitMenu(page) {
  return until(async () => !['000000', LOADING_FILL].includes(await cornerColour(page)),
               'the menu did not appear', 30000);
}
// Asks `condition` again and again until it holds; fails with `what` once the time is up.
export async function until(condition, what, milliseconds = 5000) {
  const deadline = Date.now() + milliseconds;
  while (!(await condition())) assert.ok(Date.now() < deadline, what);
}
// Waits until the page has shown `count` more frames.
export function frames(page, count) {
  return page.evaluate(n => new Promise(resolve => {
    const frame = () => (--n <= 0 ? resolve() : requestAnimationFrame(frame));
    requestAnimationFrame(frame);
  }), count);
}
export async function awaitReady(page) {
  await page.waitForFunction(() => document.body.dataset.state === 'ready', null,
                             { timeout: 60000 });
}
// An init script: every audio context the page makes, and the mouse and key events it sees.
export function recordAudioContexts() {
  const Native = window.AudioContext;
  window.zandrelContexts = [];
  window.AudioContext = window.webkitAudioContext = class extends Native {
    constructor(...args) {
      super(...args);
      window.zandrelContexts.push(this);
    }
  };
  window.zandrelInputs = [];
  for (const type of ['mousedown', 'mouseup', 'click', 'keydown']) {
    addEventListener(type, event => window.zandrelInputs.push(event.type), true);
  }
}
