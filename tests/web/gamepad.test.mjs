// The browser build with a pad as the only input, end to end in Debian's Chromium with a
// scripted navigator.getGamepads: a pad's button starts the page; the page says once that
// a key or tap turns the sound on, and the first key does; the pad's back in the menu asks
// before it ends anything, and its A goes back to the menu and starts a game; the pad then
// pauses and quits the game, the game-over banner records it, and back in the menu the pad
// opens the options, steps the sound row on and closes them, which saves.
//
// Environment: ZANDREL_SITE (the web build folder).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { siteServer, launchChromium, preparedState, awaitMenu, canvasColour,
         recordAudioContexts, lastTen, GAMES, SENTINEL, until } from './page_kit.mjs';

const site = path.resolve(process.env.ZANDREL_SITE || 'build-web/site');
const out = path.resolve(process.env.ZANDREL_WEB_OUT || path.join(site, 'e2e'));
// The Gamepad API's standard order.
const A = 0, B = 1, LEFT_SHOULDER = 4, BACK = 8, START = 9, DOWN = 13, LEFT = 14;
// The quit confirmation's test card: its yellow and pink bars at the top of a 640 x 480 canvas.
const QUIT_CONFIRMATION_BARS = ['ffd93d', 'ff6fb5'];
const testCardBars = page => Promise.all([canvasColour(page, 140, 40), canvasColour(page, 340, 40)]);
const rgb = hex => [0, 2, 4].map(i => parseInt(hex.slice(i, i + 2), 16));
// The pause menu's orange panel, left of its resume button.
const showsPausePanel = async page => {
  const [r, , b] = rgb(await canvasColour(page, 200, 220));
  return r > 170 && b < 80;
};
// The game-over banner's yellow band, left of "GAME", over the darkened game.
const showsBannerBand = async page => {
  const [r, g, b] = rgb(await canvasColour(page, 100, 216));
  return r > 110 && g > 110 && b < 70;
};
// The options box's brown panel, left of its rows.
const showsOptionsPanel = async page => {
  const [r, g, b] = rgb(await canvasColour(page, 70, 300));
  return r > 100 && r > g + 30 && b < 60;
};
// The share of the menu's card row (its bars move a little as the menu slides in and plays)
// that differs between two pictures of the canvas.
function cardRowChange(a, b) {
  return Number(execFileSync('convert', [a, b, '-crop', '440x80+20+390', '+repage', '-compose',
                                         'difference', '-composite', '-threshold', '20%',
                                         '-format', '%[fx:mean]', 'info:']).toString());
}

let server;
let url;
let browser;
before(async () => {
  server = siteServer(site);
  url = await server.listen();
  // As on a player's browser: sound only after a key, click or tap.
  browser = await launchChromium(['--autoplay-policy=document-user-activation-required']);
});
after(async () => {
  await browser?.close();
  server.http.close();
});

// One standard pad in the first place, whose buttons the test flips; the notices the page
// showed are recorded.
function scriptPad() {
  const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
  const pad = { id: 'Scripted pad (STANDARD GAMEPAD)', index: 0, connected: true,
                mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0], buttons };
  Object.defineProperty(Navigator.prototype, 'getGamepads', { value: () => [pad, null, null, null] });
  window.zandrelPad = (button, down) => {
    buttons[button] = { pressed: down, touched: down, value: down ? 1 : 0 };
    pad.timestamp = performance.now();
  };
  window.zandrelNotices = [];
  addEventListener('DOMContentLoaded', () => {
    new MutationObserver(() => zandrelNotices.push(document.getElementById('notice').textContent))
      .observe(document.getElementById('notice'), { childList: true, characterData: true, subtree: true });
  });
}
// Playwright's own evaluations count as a user's gesture, which would let the sound start:
// until a key has been pressed, the page is read and the pad flipped without one.
async function quiet(cdp, expression) {
  const { result, exceptionDetails } = await cdp.send('Runtime.evaluate',
    { expression, awaitPromise: true, returnByValue: true, userGesture: false });
  if (exceptionDetails) throw new Error(exceptionDetails.exception?.description || exceptionDetails.text);
  return result.value;
}
const quietFrames = (cdp, count) => quiet(cdp, `new Promise(resolve => {
  let n = ${count};
  const frame = () => (--n <= 0 ? resolve() : requestAnimationFrame(frame));
  requestAnimationFrame(frame);
})`);
// A button held for a few updates, then let go.
async function pressPad(cdp, button) {
  await quiet(cdp, `zandrelPad(${button}, true)`);
  await quietFrames(cdp, 6);
  await quiet(cdp, `zandrelPad(${button}, false)`);
  await quietFrames(cdp, 6);
}
const pageState = cdp => quiet(cdp, 'document.body.dataset.state');
const contextStates = cdp => quiet(cdp, 'zandrelContexts.map(c => c.state)');

test('with a pad alone: started, told how to get sound, back asks, plays, quits, options', async () => {
  const context = await browser.newContext({ viewport: { width: 640, height: 540 } });
  await context.addInitScript(recordAudioContexts);
  await context.addInitScript(scriptPad);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', error => problems.push(error.message));
  const cdp = await context.newCDPSession(page);
  await page.goto(url);
  for (let wait = 0; await pageState(cdp) !== 'ready'; wait++) {
    assert.ok(wait < 600, 'the page did not get ready');
    await new Promise(resolve => setTimeout(resolve, 100));
  }
  await quiet(cdp, `Module.FS.writeFile('/zandrel/.vantorstate', ${JSON.stringify(preparedState())})`);

  await pressPad(cdp, B);
  assert.equal(await pageState(cdp), 'running', 'a pad button did not start the page');
  assert.deepEqual(await quiet(cdp, 'zandrelInputs'), []);
  assert.equal(await quiet(cdp, "document.getElementById('notice').textContent"),
               'Press a key or tap to turn the sound on');
  assert.deepEqual(await contextStates(cdp), ['suspended'], 'sound before any key or tap');
  await awaitMenu(page);
  await page.screenshot({ path: path.join(out, 'web-pad-notice.png') });

  // A key nothing in the menu reads turns the sound on and takes the notice away.
  await page.keyboard.press('q');
  await page.waitForFunction(() => zandrelContexts[0].state === 'running', null, { timeout: 5000 });
  assert.equal(await page.locator('#notice').textContent(), '');

  await pressPad(cdp, BACK);
  await page.waitForTimeout(500);
  assert.equal(await pageState(cdp), 'running', 'the pad\'s back ended the program');
  await page.locator('#canvas').screenshot({ path: path.join(out, 'web-pad-quit.png') });
  assert.deepEqual(await testCardBars(page), QUIT_CONFIRMATION_BARS, 'the quit confirmation is not shown');

  // A on the confirmation: back to the fun, the menu; A there starts the game shown.
  await pressPad(cdp, A);
  await page.waitForTimeout(500);
  assert.notDeepEqual(await testCardBars(page), QUIT_CONFIRMATION_BARS, 'A did not go back to the menu');
  const menu = path.join(out, 'web-pad-menu.png');
  await page.locator('#canvas').screenshot({ path: menu });
  await pressPad(cdp, A);
  await page.waitForTimeout(1000);
  const play = path.join(out, 'web-pad-play.png');
  await page.locator('#canvas').screenshot({ path: play });
  assert.ok(cardRowChange(menu, play) > 0.2, 'A did not start a game');
  assert.equal(await pageState(cdp), 'running');

  // Start pauses; left and A quit; the banner grows, the play is recorded, the menu returns.
  await pressPad(cdp, START);
  await until(() => showsPausePanel(page), 'start did not pause the game');
  await page.locator('#canvas').screenshot({ path: path.join(out, 'web-pad-pause.png') });
  const savesBefore = await quiet(cdp, 'Module.savesKept || 0');
  await pressPad(cdp, LEFT);
  await pressPad(cdp, A);
  await until(() => showsBannerBand(page), 'no game-over banner after quitting');
  await page.locator('#canvas').screenshot({ path: path.join(out, 'web-pad-game-over.png') });
  await until(async () => await quiet(cdp, 'Module.savesKept || 0') > savesBefore,
              'the play was not recorded', 10000);
  const state = await quiet(cdp, "Module.FS.readFile('/zandrel/.vantorstate', { encoding: 'utf8' })");
  const played = Array.from({ length: GAMES }, (_, i) => i + 1)
    .filter(g => lastTen(state, g, 1) === SENTINEL + g);
  assert.equal(played.length, 1, `not one play recorded: ${state.slice(0, 400)}`);
  await page.waitForTimeout(2000);  // the banner shrinks away over the menu
  const back = path.join(out, 'web-pad-back.png');
  await page.locator('#canvas').screenshot({ path: back });
  assert.ok(cardRowChange(menu, back) < 0.05, 'the menu did not come back');

  // The left shoulder opens the options; down and A step the sound row from effects and
  // music on to effects only; back closes them and saves, asking nothing.
  await pressPad(cdp, LEFT_SHOULDER);
  await until(() => showsOptionsPanel(page), 'the left shoulder did not open the options');
  await page.waitForTimeout(600);  // the box acts once it has slid in
  await pressPad(cdp, DOWN);
  await pressPad(cdp, A);
  await page.locator('#canvas').screenshot({ path: path.join(out, 'web-pad-options.png') });
  const savesInMenu = await quiet(cdp, 'Module.savesKept');
  await pressPad(cdp, BACK);
  await until(async () => await quiet(cdp, 'Module.savesKept') > savesInMenu,
              'closing the options did not save');
  const options = (await quiet(cdp, "Module.FS.readFile('/zandrel/.vantorstate', { encoding: 'utf8' })"))
    .split('|');
  assert.equal(options[5], '2', 'the sound row did not step on to effects only');
  await page.waitForTimeout(800);
  assert.equal(await showsOptionsPanel(page), false, 'the options did not close');
  assert.notDeepEqual(await testCardBars(page), QUIT_CONFIRMATION_BARS, 'back from the options asked to quit');

  const soundNotices = (await page.evaluate(() => zandrelNotices)).filter(text => /sound/.test(text));
  assert.equal(soundNotices.length, 1, 'the sound notice was not said exactly once');
  assert.deepEqual(problems, []);
  await context.close();
});
