// The browser build on a phone, end to end in Debian's Chromium with touch emulation: a
// tap is one press at its point and ten fingers keep their own; a swipe moves nothing of
// the page; a game is chosen, started, played with the on-screen pad, paused and quit by
// touch alone, with its sound from the first tap, and its result and the moved pad are
// still there after a reload. The page installs as an app, plays offline after one visit,
// and a second build replaces the first one's files whole.
//
// Environment: ZANDREL_SITE (the web build folder), ZANDREL_WEB_OUT (where the pictures of
// the phone's layouts go).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { siteServer, launchChromium, launchProfile, preparedState, lastTen, SENTINEL, awaitReady, awaitMenu,
         frames, recordAudioContexts } from './page_kit.mjs';

const site = path.resolve(process.env.ZANDREL_SITE || 'build-web/site');
const out = path.resolve(process.env.ZANDREL_WEB_OUT || path.join(site, 'e2e'));
const here = path.dirname(new URL(import.meta.url).pathname);
const LANDSCAPE = { width: 844, height: 390 };
const PORTRAIT = { width: 390, height: 844 };
const TOUCH_DOWN = 7, TOUCH_UP = 8, TOUCH_MOVE = 9;

let server;
let url;
let browser;
before(async () => {
  server = siteServer(site);
  url = await server.listen();
  browser = await launchChromium();
});
after(async () => {
  await browser?.close();
  server.http.close();
});

function phone(viewport, more = {}) {
  return browser.newContext({ viewport, hasTouch: true, isMobile: true, deviceScaleFactor: 1,
                              ...more });
}
// Virtual units of the design screen fitted to the canvas, to page pixels (the canvas has
// one pixel per CSS pixel here).
async function units(page) {
  const box = await page.locator('#canvas').boundingBox();
  const scale = Math.max(box.width / 640, box.height / 480);
  return { scale, w: box.width / scale, h: box.height / scale,
           at: (x, y) => ({ x: box.x + x * scale, y: box.y + y * scale }) };
}
// One finger held for a few frames (an update must see it), then lifted.
async function press(cdp, page, point, heldFrames = 4) {
  const touchPoints = [{ x: point.x, y: point.y, id: 1 }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints });
  await frames(page, heldFrames);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await frames(page, 4);
}
async function startByTap(page, viewport) {
  await awaitReady(page);
  await page.evaluate(state => Module.FS.writeFile('/zandrel/.vantorstate', state), preparedState());
  await page.touchscreen.tap(viewport.width / 2, viewport.height / 2);
  await awaitMenu(page);
  // The game has the whole screen; held upright, the whole width at 3:4, at the bottom.
  const height = Math.min(viewport.height, Math.round(viewport.width * 4 / 3));
  const box = await page.locator('#canvas').boundingBox();
  assert.deepEqual([box.x, box.y, box.width, box.height],
                   [0, viewport.height - height, viewport.width, height]);
}
test('a tap is one press at its point, ten fingers keep their own, and a swipe moves no page', async () => {
  const context = await phone(LANDSCAPE);
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await page.goto(url);
  await startByTap(page, LANDSCAPE);
  await page.evaluate(() => {
    // Emscripten's export replaces itself on its first call: a call that does nothing first.
    Module._zu_browser_Touch(0, -1, 0, 0);
    const deliver = Module._zu_browser_Touch;
    window.delivered = [];
    Module._zu_browser_Touch = (...event) => {
      delivered.push(event.map(Math.round));
      deliver(...event);
    };
    // Emscripten's GLFW listens on the canvas: nothing of a touch may reach it.
    window.reachedCanvas = [];
    for (const type of ['touchstart', 'touchend', 'mousedown', 'mouseup', 'mousemove']) {
      canvas.addEventListener(type, event => reachedCanvas.push(event.type), true);
    }
  });

  await page.touchscreen.tap(301, 202);
  await page.waitForTimeout(500);
  assert.deepEqual(await page.evaluate(() => delivered), [[TOUCH_DOWN, 0, 301, 202], [TOUCH_UP, 0, 301, 202]]);

  await page.evaluate(() => { delivered.length = 0; });
  const fingers = Array.from({ length: 10 }, (_, i) => ({ x: 40 + 80 * i, y: 60 + 25 * i, id: 100 + i }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: fingers });
  await frames(page, 3);
  const moved = fingers.map(f => ({ ...f, x: f.x + 3, y: f.y + 7 }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: moved });
  await frames(page, 3);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.waitForTimeout(300);
  const got = await page.evaluate(() => delivered);
  const expected = [
    ...fingers.map((f, i) => [TOUCH_DOWN, i, f.x, f.y]),
    ...moved.map((f, i) => [TOUCH_MOVE, i, f.x, f.y]),
    ...moved.map((f, i) => [TOUCH_UP, i, f.x, f.y]),
  ];
  const byKind = list => [...list].sort((a, b) => a[0] - b[0] || a[1] - b[1]);
  assert.deepEqual(byKind(got), byKind(expected));

  // A long swipe up and a two-finger spread, as a reader scrolls and zooms a page. Safari
  // zooms even where the page says it may not: only a touch whose default is prevented
  // moves nothing there.
  await page.evaluate(() => {
    window.touchDefaults = [];
    for (const type of ['touchstart', 'touchmove']) {
      addEventListener(type, event => touchDefaults.push(event.defaultPrevented), true);
    }
  });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: 400, y: 350 }] });
  for (let y = 330; y >= 10; y -= 40) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: 400, y }] });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await cdp.send('Input.synthesizePinchGesture', { x: 420, y: 200, scaleFactor: 2, gestureSourceType: 'touch' });
  await page.waitForTimeout(500);
  assert.deepEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale, reachedCanvas]),
                   [0, 0, 1, []]);
  const defaults = await page.evaluate(() => touchDefaults);
  assert.ok(defaults.length >= 10, 'the swipe and the spread made no touches');
  assert.ok(defaults.every(prevented => prevented), 'a touch was left to the browser');
  await context.close();
});

test('by touch alone: sound from the first tap, a game chosen, played with the pad, paused, its pad moved and quit; both kept', async () => {
  const context = await phone(LANDSCAPE);
  await context.addInitScript(recordAudioContexts);
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  const problems = [];
  page.on('pageerror', error => problems.push(error.message));
  await page.goto(url);
  await startByTap(page, LANDSCAPE);
  assert.deepEqual(await page.evaluate(() => zandrelContexts.map(c => c.state)), ['running']);
  const screen = await units(page);

  // The system took the sound away (a locked phone): the next touch brings it back.
  await page.evaluate(() => zandrelContexts[0].suspend());

  // The first card (game 1), then a tap on the title area starts it.
  const cardWidth = Math.floor((screen.w - 140) / 28);
  await press(cdp, page, screen.at(cardWidth * 1.5, screen.h - 40));
  assert.deepEqual(await page.evaluate(() => zandrelContexts.map(c => c.state)), ['running']);
  const menu = await page.screenshot({ path: path.join(out, 'phone-sideways-menu.png') });
  await press(cdp, page, screen.at(60, screen.h / 2 - 20));
  await page.waitForTimeout(1000);
  const started = await page.screenshot({ path: path.join(out, 'phone-sideways-play.png') });
  assert.ok(!menu.equals(started), 'the tap on the title did not start the game');

  // The pad's default place: 64 units from the left and the bottom, arms 32 units out.
  const pad = { x: 64, y: Math.trunc(screen.h - 64) };
  for (const [dx, dy] of [[32, 0], [0, -32], [32, 0]]) {
    await press(cdp, page, screen.at(pad.x + dx, pad.y + dy), 6);
  }
  await press(cdp, page, screen.at(screen.w - (pad.x - 24), pad.y - 24));
  await press(cdp, page, screen.at(screen.w - (pad.x + 24), pad.y + 24));

  // Pause; drag the pad to a new place; quit.
  await press(cdp, page, screen.at(16, 16));
  await page.waitForTimeout(800);
  const from = screen.at(pad.x, pad.y);
  const to = screen.at(120.5, Math.trunc(screen.h - 100) + 0.5);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
  for (let step = 1; step <= 8; step++) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{
      x: from.x + (to.x - from.x) * step / 8, y: from.y + (to.y - from.y) * step / 8 }] });
    await frames(page, 2);
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await frames(page, 4);
  await press(cdp, page, screen.at(screen.w / 2 - 140, Math.trunc(screen.h / 2) - 64));
  await page.waitForFunction(() => Module.savesKept >= 1, null, { timeout: 10000 });

  await page.reload();
  await awaitReady(page);
  const state = await page.evaluate(() => Module.FS.readFile('/zandrel/.vantorstate', { encoding: 'utf8' }));
  assert.equal(lastTen(state, 1, 1), SENTINEL + 1, 'the play of game 1 was not recorded');
  const options = state.split('|').map(Number);
  assert.deepEqual([options[10], options[11]], [120, Math.trunc(screen.h - Math.trunc(screen.h - 100))]);
  assert.deepEqual(await page.evaluate(() => zandrelInputs), []);
  assert.deepEqual(problems, []);
  await context.close();
});

// The service worker's cache names, from the page.
function cacheNames(page) {
  return page.evaluate(() => caches.keys());
}
// A build made again with a changed program: the same files, the program marked, and the
// service worker written for them as the build writes it.
function secondBuild() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'zandrel-second-'));
  fs.cpSync(site, folder, { recursive: true, filter: file => !file.includes(`${path.sep}cmake`) });
  fs.appendFileSync(path.join(folder, 'zandrel.js'), '\nwindow.zandrelBuild = "second";\n');
  const files = /const FILES = \[(.*)\];/.exec(fs.readFileSync(path.join(site, 'sw.js'), 'utf8'))[1]
    .split(', ').map(name => name.slice(1, -1)).filter(name => name !== './');
  execFileSync('cmake', [`-DSITE=${folder}`, `-DTEMPLATE=${path.join(here, '../../web/service_worker.js')}`,
                         `-DFILES=${files.join(';')}`, '-P', path.join(here, '../../web/service_worker.cmake')]);
  return folder;
}

test('the page installs as an app, plays offline after one visit, and a new build replaces it whole', async () => {
  // An app installs only from a profile on disk.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zandrel-profile-'));
  const context = await launchProfile(profile, { viewport: PORTRAIT, hasTouch: true, isMobile: true,
                                                 deviceScaleFactor: 1 });
  const page = context.pages()[0] || await context.newPage();
  const cdp = await context.newCDPSession(page);
  await page.goto(url);
  await awaitReady(page);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  const [firstCache] = await cacheNames(page);

  server.offline = true;
  try {
    await page.reload();
    await startByTap(page, PORTRAIT);
    await page.screenshot({ path: path.join(out, 'phone-upright-menu.png') });
    // A play, quit through the pause menu, is saved.
    const screen = await units(page);
    await press(cdp, page, screen.at(screen.w / 2 - 60, screen.h / 2 - 40));
    await page.waitForTimeout(1000);
    await press(cdp, page, screen.at(16, 16));
    await page.waitForTimeout(800);
    await page.screenshot({ path: path.join(out, 'phone-upright-pause.png') });
    await press(cdp, page, screen.at(screen.w / 2 - 96, Math.trunc(screen.h / 2) - 96));
    await page.waitForFunction(() => Module.savesKept >= 1, null, { timeout: 10000 });
  } finally {
    server.offline = false;
  }

  const second = secondBuild();
  server.site = second;
  try {
    // The old build's page sees the new one installed, hands over to it before its program
    // starts, and loads again from the new cache alone.
    await page.goto(url);
    await page.waitForFunction(() => window.zandrelBuild === 'second', null, { timeout: 30000 })
      .catch(async () => {
        await page.waitForLoadState();
        await page.waitForFunction(() => window.zandrelBuild === 'second', null, { timeout: 30000 });
      });
    const caches = await cacheNames(page);
    assert.equal(caches.length, 1);
    assert.notEqual(caches[0], firstCache);
    await startByTap(page, PORTRAIT);
  } finally {
    server.site = site;
    fs.rmSync(second, { recursive: true, force: true });
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
});
