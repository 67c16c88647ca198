// A pad alone starts the page: while the start cover shows, the pads are read each frame
// and a button newly pressed starts the program as a key or click does. A browser lets
// sound start only after a key, click or tap, which a pad's button is not: the page then
// says so once, until that gesture.
'use strict';
(() => {
  const GESTURES = ['keydown', 'pointerdown', 'touchend'];
  const held = new Set();  // "pad index/button index" pressed at the last read

  function pressedButtons() {
    const now = new Set();
    for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
      if (!pad) continue;
      pad.buttons.forEach((button, i) => { if (button.pressed) now.add(pad.index + '/' + i); });
    }
    return now;
  }
  function watch() {
    if (started) return;
    const now = pressedButtons();
    const newlyPressed = [...now].some(button => !held.has(button));
    held.clear();
    now.forEach(button => held.add(button));
    if (newlyPressed && Module.ready) {
      start(new Event('gamepadbutton'));
      if (started) soundAfterGesture();
      return;
    }
    requestAnimationFrame(watch);
  }
  // The program's OpenAL resumes its audio context on the first key or click, touch.js on
  // the first tap's end: the notice goes with that gesture.
  function soundAfterGesture() {
    notice.dataset.kind = 'sound';
    say('Press a key or tap to turn the sound on');
    const gestured = () => {
      GESTURES.forEach(type => removeEventListener(type, gestured, true));
      if (notice.dataset.kind === 'sound') say('');
    };
    GESTURES.forEach(type => addEventListener(type, gestured, true));
  }
  requestAnimationFrame(watch);
})();
