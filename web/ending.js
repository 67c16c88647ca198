// How the program ends in a page. A page has no process to end: when the program exits
// (F4, the close key, a fatal error) its loop is stopped, its sound silenced and the page
// told the status through Module.onEnded(status). Without this the browser would keep
// calling the loop of a program that has exited.
Module.quit = function(status, toThrow) {
  Browser.mainLoop.pause();
  ABORT = true;
  try {
    if (AL.currentCtx) AL.currentCtx.audioCtx.suspend();
  } catch (e) {
    // no sound device was ever opened
  }
  if (Module.onEnded) Module.onEnded(status);
  throw toThrow;
};

// Lets the page refit the canvas; Emscripten's GLFW learns the new window size from it.
Module.setCanvasSize = function(width, height) {
  Browser.setCanvasSize(width, height);
};
