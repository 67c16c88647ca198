// Fingers on a phone or tablet: the page's touches go to the program as touch points, one
// finger code 0..9 a finger for as long as it touches, at the point in canvas pixels.
// The browser's own handling of a finger (scrolling, zoom, selection, the long-press menu)
// is stopped over the page, and so is Emscripten's GLFW, which would turn a tap into mouse
// presses. The on-screen controls come on with the first touch and go off again with a key
// or a real click. A touch's end also lets the sound start.
'use strict';
const ZandrelTouch = (() => {
  const TOUCH_DOWN = 7, TOUCH_UP = 8, TOUCH_MOVE = 9;
  const FINGERS = 10;
  // Mouse events a browser makes up after a touch arrive within this time of it.
  const MADE_UP_MOUSE_MS = 1000;
  const canvas = document.getElementById('canvas');
  const fingers = new Map();  // touch identifier -> finger code
  let lastTouch = -Infinity;
  let touchMode = false;

  const running = () => document.body.dataset.state === 'running';
  function setTouchMode(on) {
    touchMode = on;
    document.body.classList.toggle('touch', on);
    if (on && !document.body.classList.contains('phone')) {
      // The page lays itself out for a phone from now on.
      document.body.classList.add('phone');
      document.dispatchEvent(new Event('zandrel-layout'));
    }
    if (running()) Module._zu_browser_SetOnScreenControls(on ? 1 : 0);
  }
  // Sound may start, or start again after the phone was locked or the tab hidden, on a
  // touch's end; the program's audio context is Emscripten's OpenAL's.
  function resumeSound() {
    const context = typeof AL !== 'undefined' && AL.currentCtx && AL.currentCtx.audioCtx;
    if (context && context.state === 'suspended') context.resume().catch(() => {});
  }
  function freeFinger() {
    const used = new Set(fingers.values());
    for (let f = 0; f < FINGERS; f++) if (!used.has(f)) return f;
    return -1;
  }
  function onTouch(event) {
    lastTouch = performance.now();
    if (event.type === 'touchend' || event.type === 'touchcancel') resumeSound();
    // The page's own buttons keep their taps.
    if (event.target instanceof Element && event.target.closest('button, a')) return;
    if (event.cancelable) event.preventDefault();
    if (!running()) return;
    event.stopPropagation();
    if (event.type === 'touchstart' && !touchMode) setTouchMode(true);
    const box = canvas.getBoundingClientRect();
    for (const touch of event.changedTouches) {
      const x = (touch.clientX - box.left) * canvas.width / box.width;
      const y = (touch.clientY - box.top) * canvas.height / box.height;
      let finger = fingers.get(touch.identifier);
      if (event.type === 'touchstart') {
        if (finger !== undefined) continue;
        finger = freeFinger();
        if (finger < 0) continue;  // an eleventh finger is not followed
        fingers.set(touch.identifier, finger);
        Module._zu_browser_Touch(TOUCH_DOWN, finger, x, y);
      } else if (finger === undefined) {
        continue;
      } else if (event.type === 'touchmove') {
        Module._zu_browser_Touch(TOUCH_MOVE, finger, x, y);
      } else {
        fingers.delete(touch.identifier);
        Module._zu_browser_Touch(TOUCH_UP, finger, x, y);
      }
    }
  }
  function onMouse(event) {
    if (performance.now() - lastTouch < MADE_UP_MOUSE_MS) {
      event.stopPropagation();
      event.preventDefault();
    } else if (event.type === 'mousedown' && touchMode) {
      setTouchMode(false);
    }
  }
  // Window listeners in the capture phase run before GLFW's on the canvas.
  for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
    addEventListener(type, onTouch, { capture: true, passive: false });
  }
  for (const type of ['mousedown', 'mouseup', 'mousemove']) addEventListener(type, onMouse, true);
  addEventListener('keydown', () => { if (touchMode) setTouchMode(false); }, true);
  // iOS zooms on a pinch even with touch-action set.
  addEventListener('gesturestart', event => event.preventDefault());
  document.addEventListener('visibilitychange', () => { if (!document.hidden) resumeSound(); });
  addEventListener('pageshow', resumeSound);
  addEventListener('focus', resumeSound);

  // A device whose main pointer is a finger is a phone from the start.
  if (matchMedia('(pointer: coarse)').matches) {
    touchMode = true;
    document.body.classList.add('phone', 'touch');
  }
  return {
    // Called once the program runs: it starts with the controls off.
    started() { if (touchMode) setTouchMode(true); },
    isPhone: () => document.body.classList.contains('phone'),
  };
})();
