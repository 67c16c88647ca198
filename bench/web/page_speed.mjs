// The browser build's speed as a phone would see it, in Debian's headless Chromium on a
// phone-sized landscape page (844 x 390 at three device pixels a CSS pixel): the download,
// the time from navigation to the first menu frame (unthrottled, on loopback), and the
// main thread's time per frame with the CPU throttled 4x, p50 and p95, in the menu and in
// the busiest games. A frame's time is the program's pass (Emscripten's main loop
// iteration); "all tasks" is the DevTools protocol's TaskDuration over the same frames,
// which adds the browser's own work on the main thread (audio, events, compositing).
// Usage: node page_speed.mjs <site-dir> [--scan]   (--scan: every game, unthrottled, to
// find the busiest)
import path from 'node:path';
import { siteServer, launchChromium, preparedState, awaitReady, awaitMenu, frames } from
  '../../tests/web/page_kit.mjs';

const site = path.resolve(process.argv[2] || 'build-web/site');
const scan = process.argv.includes('--scan');
// The three games with the most main-thread time a frame in a --scan of this page: the
// highest median and mean (Waves) and the highest p95 (Chaos, Map).
const BUSIEST = (process.env.ZANDREL_BUSIEST || 'Waves:23,Chaos:3,Map:13').split(',')
  .map(entry => entry.split(':')).map(([name, n]) => ({ name, n: Number(n) }));
const THROTTLE = 4;
const SAMPLE_MS = 4000;

const server = siteServer(site);
const url = await server.listen();
const browser = await launchChromium();
const context = await browser.newContext({
  viewport: { width: 844, height: 390 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true,
  serviceWorkers: 'block' });
const page = await context.newPage();
const cdp = await context.newCDPSession(page);
await cdp.send('Performance.enable');

async function key(name, times = 1) {
  for (let i = 0; i < times; i++) {
    await page.keyboard.down(name);
    await frames(page, 3);
    await page.keyboard.up(name);
    await frames(page, 3);
  }
}
async function taskSeconds() {
  const { metrics } = await cdp.send('Performance.getMetrics');
  return metrics.find(m => m.name === 'TaskDuration').value;
}
// Main-thread milliseconds a frame over SAMPLE_MS.
async function sample(throttle) {
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttle });
  await page.evaluate(() => {
    window.frameTimes = [];
    let start = 0;
    Module.preMainLoop = () => { start = performance.now(); };
    Module.postMainLoop = () => { frameTimes.push(performance.now() - start); };
  });
  const tasks0 = await taskSeconds();
  await page.waitForTimeout(SAMPLE_MS);
  const tasks1 = await taskSeconds();
  const times = await page.evaluate(() => {
    Module.preMainLoop = Module.postMainLoop = undefined;
    return frameTimes;
  });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 1 });
  if (times.length === 0) return { frames: 0 };  // the program stopped
  times.sort((a, b) => a - b);
  const at = q => times[Math.min(times.length - 1, Math.floor(q * times.length))];
  return { frames: times.length, p50: +at(0.5).toFixed(1), p95: +at(0.95).toFixed(1),
           allTasksMean: +((1000 * (tasks1 - tasks0)) / times.length).toFixed(1) };
}
// A page from before the on-screen controls has no switch for them.
function showPad() {
  return page.evaluate(() => Module._zu_browser_SetOnScreenControls?.(1));
}
// The page loaded afresh, the program started into its menu; milliseconds since navigation.
async function openMenu() {
  const started = Date.now();
  await page.goto(url);
  await awaitReady(page);
  await page.evaluate(state => Module.FS.writeFile('/zandrel/.vantorstate', state), preparedState());
  await page.keyboard.press('Enter');
  await awaitMenu(page);
  const ms = Date.now() - started;
  await page.waitForTimeout(1500);
  await showPad();
  return ms;
}
// Game n started from a fresh page, as a phone plays it (the keys turned the pad off).
async function openGame(n) {
  await openMenu();
  await key('ArrowLeft', 27);
  await key('ArrowRight', n - 1);
  await key('Enter');
  await page.waitForTimeout(1500);
  await showPad();
}

const firstMenuMs = await openMenu();
// The download, each file once, and its largest parts.
const sentBytes = name => server.sent.get(path.join(site, name)) || 0;
console.log(JSON.stringify({ downloadBytes: server.downloadBytes(), dataBytes: sentBytes('zandrel.data'),
                             wasmBytes: sentBytes('zandrel.wasm'), jsBytes: sentBytes('zandrel.js'),
                             firstMenuMs }));
if (scan) {
  for (let n = 1; n <= 26; n++) {
    await openGame(n);
    console.log(JSON.stringify({ game: n, ...(await sample(1)) }));
  }
} else {
  console.log(JSON.stringify({ scene: 'menu', throttle: THROTTLE, ...(await sample(THROTTLE)) }));
  for (const game of BUSIEST) {
    await openGame(game.n);
    console.log(JSON.stringify({ scene: game.name, throttle: THROTTLE, ...(await sample(THROTTLE)) }));
  }
}
await browser.close();
server.http.close();
