// The browser build end to end in Debian's Chromium (headless, software WebGL), driven
// through playwright-core with real key events: the page downloads the data behind its
// progress bar, the first key starts the program and its sound, the menu matches the
// desktop program's picture of the same moment, a game is played to its end and recorded,
// and a reload shows the saved score. A page whose storage is refused says so and plays on.
//
// Environment: ZANDREL_SITE (the web build folder), ZANDREL_NATIVE_BUILD (a native build
// with its program and data), ZANDREL_WEB_OUT (where screenshots and measurements go).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { siteServer, launchChromium, preparedState, lastTen, SENTINEL, cornerColour, awaitMenu,
         frames, awaitReady } from './page_kit.mjs';

const site = path.resolve(process.env.ZANDREL_SITE || 'build-web/site');
const nativeBuild = path.resolve(process.env.ZANDREL_NATIVE_BUILD || 'build');
const out = path.resolve(process.env.ZANDREL_WEB_OUT || path.join(site, 'e2e'));
const here = path.dirname(new URL(import.meta.url).pathname);
fs.mkdirSync(out, { recursive: true });

const server = siteServer(site);
let url;
let browser;
const measured = {};

// Records every audio context the page makes, and taps what reaches its speakers.
function listenToAudio() {
  const Native = window.AudioContext || window.webkitAudioContext;
  const heard = { contexts: [] };
  window.zandrelHeard = heard;
  window.AudioContext = window.webkitAudioContext = class extends Native {
    constructor(...args) {
      super(...args);
      this.tap = this.createAnalyser();
      this.tap.fftSize = 2048;
      heard.contexts.push(this);
    }
  };
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function(target, ...rest) {
    if (target instanceof AudioDestinationNode && this.context.tap) connect.call(this, this.context.tap);
    return connect.call(this, target, ...rest);
  };
  heard.states = () => heard.contexts.map(context => context.state);
  heard.peak = () => {
    let peak = 0;
    for (const context of heard.contexts) {
      const samples = new Float32Array(context.tap.fftSize);
      context.tap.getFloatTimeDomainData(samples);
      for (const v of samples) peak = Math.max(peak, Math.abs(v));
    }
    return peak;
  };
}

before(async () => {
  url = await server.listen();
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
  server.http.close();
  fs.writeFileSync(path.join(out, 'measurements.json'), JSON.stringify(measured, null, 2));
  console.log('measured:', JSON.stringify(measured));
});

// --- looking at the canvas ------------------------------------------------------------------

async function canvasShot(page, file) {
  await page.locator('#canvas').screenshot({ path: file });
  return file;
}
// Percentage of pixels whose colour differs by more than a fifth of the range, optionally
// within a crop rectangle "WxH+X+Y".
function difference(a, b, crop) {
  const crops = crop ? ['-crop', crop, '+repage'] : [];
  const pieces = [a, b].map((file, i) => {
    const piece = path.join(out, `piece-${i}.png`);
    execFileSync('convert', [file, ...crops, piece]);
    return piece;
  });
  let count;
  try {
    count = execFileSync('compare', ['-metric', 'AE', '-fuzz', '20%', ...pieces, 'null:'],
                         { stdio: ['ignore', 'ignore', 'pipe'] }).toString();
  } catch (failure) {
    count = failure.stderr.toString();  // compare exits 1 when the pictures differ
  }
  const size = execFileSync('identify', ['-format', '%w %h', pieces[0]]).toString().split(' ');
  return (100 * Number.parseFloat(count)) / (Number(size[0]) * Number(size[1]));
}
// Frames the page shows per second, over two seconds.
function framesPerSecond(page) {
  return page.evaluate(() => new Promise(resolve => {
    let frames = 0;
    let first;
    const frame = now => {
      if (first === undefined) first = now;
      else frames += 1;
      if (now - first < 2000) requestAnimationFrame(frame);
      else resolve(Math.round((frames * 1000) / (now - first)));
    };
    requestAnimationFrame(frame);
  }));
}
// A key held for a few frames (an update must see it down, even on a busy machine), then
// released as long, so that each tap counts once.
async function tap(page, key, times = 1) {
  for (let i = 0; i < times; i++) {
    await page.keyboard.down(key);
    await frames(page, 4);
    await page.keyboard.up(key);
    await frames(page, 4);
  }
}
// --- the tests --------------------------------------------------------------------------------

test('the page downloads, starts on a key with sound, matches the desktop, plays and keeps the score', async (t) => {
  const context = await browser.newContext({ viewport: { width: 640, height: 540 } });
  await context.addInitScript(listenToAudio);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', error => problems.push(error.message));

  const startedAt = Date.now();
  await page.goto(url);
  await awaitReady(page);
  measured.downloadBytes = server.downloadBytes();
  measured.wasmBytes = fs.statSync(path.join(site, 'zandrel.wasm')).size;
  measured.dataBytes = fs.statSync(path.join(site, 'zandrel.data')).size;

  await t.test('the progress bar completes and the page offers the start', async () => {
    assert.equal(await page.locator('#fill').evaluate(bar => bar.style.width), '100%');
    assert.match(await page.locator('#status').textContent(), /press a key/);
    assert.deepEqual(await page.evaluate(() => zandrelHeard.states()), []);
    const size = await page.locator('#canvas').evaluate(c => [c.width, c.height]);
    assert.deepEqual(size, [640, 480]);
  });

  // The same saved progress as the desktop program's reference run below.
  await page.evaluate(state => Module.FS.writeFile('/zandrel/.vantorstate', state), preparedState());

  let menuShown;
  await t.test('the first key starts the program, and its sound plays', async () => {
    await page.keyboard.press('Enter');
    menuShown = awaitMenu(page);
    await page.waitForFunction(() => zandrelHeard.states().includes('running'), null,
                               { timeout: 5000 });
    // The start-up jingle plays while the art loads.
    await page.waitForFunction(() => zandrelHeard.peak() > 0.01, null, { timeout: 5000, polling: 20 });
  });

  const webMenu = path.join(out, 'web-menu.png');
  await t.test('the menu matches the desktop program\'s picture of the same moment', async () => {
    await menuShown;
    measured.navigationToMenuMs = Date.now() - startedAt;
    await page.waitForTimeout(1500);
    await canvasShot(page, webMenu);

    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zandrel-desktop-'));
    try {
      fs.symlinkSync(path.join(nativeBuild, 'data'), path.join(work, 'data'));
      fs.writeFileSync(path.join(work, '.vantorstate'), preparedState());
      const desktopMenu = path.join(out, 'desktop-menu.png');
      execFileSync('bash', [path.join(here, 'desktop_menu_shot.sh'), path.join(nativeBuild, 'zandrel'),
                            work, desktopMenu], { stdio: 'inherit', timeout: 60000 });
      const apart = difference(webMenu, desktopMenu);
      measured.menuDifferencePercent = Number(apart.toFixed(2));
      assert.ok(apart < 2, `the page's menu differs from the desktop's in ${apart.toFixed(2)} % of its pixels`);
    } finally {
      fs.rmSync(work, { recursive: true, force: true });
    }
    measured.menuFps = await framesPerSecond(page);
  });

  await t.test('the menu\'s theme plays on after the jingle', async () => {
    // The jingle (1.7 s) is long over: what sounds now is the theme, decoded by the page.
    await page.waitForFunction(() => zandrelHeard.peak() > 0.01, null, { timeout: 3000, polling: 20 });
  });

  const cardA = path.join(out, 'web-card-a.png');
  await t.test('keys choose a game, play it to its end and bring back the menu', async () => {
    await tap(page, 'ArrowLeft', 27);  // the first card, whichever game is featured today
    await page.waitForTimeout(300);
    await canvasShot(page, cardA);
    await tap(page, 'Enter');
    await page.waitForTimeout(1000);
    const play = await canvasShot(page, path.join(out, 'web-play.png'));
    assert.ok(difference(cardA, play) > 5, 'a second after the start the page still shows the menu');
    measured.gameFps = await framesPerSecond(page);

    // The pause menu's quit ends the play and records it; the save is then kept.
    await tap(page, 'Escape');
    await page.waitForTimeout(400);
    await tap(page, 'ArrowLeft');
    await tap(page, ' ');
    await page.waitForFunction(() => Module.savesKept >= 1, null, { timeout: 10000 });
    await page.waitForTimeout(3000);  // the game-over banner shrinks away over the menu
    const back = await canvasShot(page, path.join(out, 'web-back.png'));
    assert.ok(difference(cardA, back, '440x160+60+20') < 3, 'the menu did not come back on the first card');
  });

  await t.test('a reload shows the recorded score in the card\'s last-ten table', async () => {
    await page.reload();
    await awaitReady(page);
    const state = await page.evaluate(() => Module.FS.readFile('/zandrel/.vantorstate', { encoding: 'utf8' }));
    assert.equal(lastTen(state, 1, 1), SENTINEL + 1,
                 `the earlier result did not move down one place in the state kept: ${state.slice(0, 400)}`);
    assert.ok(lastTen(state, 1, 0) >= 0);
    await page.keyboard.press('Enter');
    await awaitMenu(page);
    await page.waitForTimeout(1000);
    await tap(page, 'ArrowLeft', 27);
    await page.waitForTimeout(300);
    const reloaded = await canvasShot(page, path.join(out, 'web-card-a-reloaded.png'));
    // The title area is the same card; the last-ten column has gained a line.
    assert.ok(difference(cardA, reloaded, '440x160+60+20') < 3, 'the reload did not show the first card');
    assert.ok(difference(cardA, reloaded, '80x160+560+280') > 3, 'the last-ten table looks as before the play');
  });

  await t.test('F4 ends the program: its loop and sound stop and the page says so', async () => {
    await tap(page, 'F4');
    await page.waitForFunction(() => document.body.dataset.state === 'ended', null, { timeout: 5000 });
    assert.match(await page.locator('#notice').textContent(), /has ended/);
    assert.deepEqual(await page.evaluate(() => zandrelHeard.states()), ['suspended']);
  });

  assert.deepEqual(problems, []);
  await context.close();
});

test('refused storage is said on the page, and the game plays on', async () => {
  const context = await browser.newContext({ viewport: { width: 640, height: 540 } });
  await context.addInitScript(() => {
    IDBFactory.prototype.open = () => {
      throw new DOMException('The user denied permission to access the database.', 'SecurityError');
    };
  });
  const page = await context.newPage();
  await page.goto(url);
  await awaitReady(page);
  assert.match(await page.locator('#notice').textContent(), /refuses to store saved progress/);
  await page.keyboard.press('Enter');
  await awaitMenu(page);
  await context.close();
});

test('a save that finds the storage full is said on the page, and the game plays on', async () => {
  const context = await browser.newContext({ viewport: { width: 640, height: 540 } });
  await context.addInitScript(() => {
    IDBObjectStore.prototype.put = () => {
      throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
    };
  });
  const page = await context.newPage();
  await page.goto(url);
  await awaitReady(page);
  assert.equal(await page.locator('#notice').textContent(), '');
  await page.keyboard.press('Enter');
  await awaitMenu(page);
  // What the program does at each save: the state file, then the copy to lasting storage.
  await page.evaluate(state => {
    Module.FS.writeFile('/zandrel/.vantorstate', state);
    Module.persistSaves();
  }, preparedState());
  await page.waitForFunction(() => /storage is full/.test(document.getElementById('notice').textContent),
                             null, { timeout: 5000 });
  await tap(page, 'ArrowRight');
  assert.equal(await page.evaluate(() => document.body.dataset.state), 'running');
  await context.close();
});
