// What the browser build asks of the page it runs in (index.html and web/storage.js): the
// canvas size the page chose, its focus, its full screen and its lasting storage. Only
// compiled by Emscripten; the desktop has windows, focus and files of its own.
#pragma once

#ifdef __EMSCRIPTEN__

// The size the page gave the canvas, fitted to the browser window.
void zu_browser_CanvasSize(int* width, int* height);
// Whether the page has the keyboard focus (Emscripten's GLFW does not track it).
bool zu_browser_PageFocused();
// Asks the browser to show the page full screen, or to leave full screen.
void zu_browser_SetFullscreen(bool fullscreen);
// Copies the files the program wrote into the browser's lasting storage (IndexedDB).
void zu_browser_PersistSaves();

#endif
