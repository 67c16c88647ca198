// The window's own icon, for task bars and window switchers that read it from the window
// rather than from the desktop entry: the application icon's pictures in the data folder.
#pragma once

struct GLFWwindow;

// The sizes of the icon pictures kept in the data folder as "icon/<size>.png".
inline constexpr int kZuWindowIconSizes[] = {16, 32, 48, 64, 128};

// Gives `window` the icon pictures that load (RGBA PNGs of their stated size); a window
// keeps no icon of its own when none does. The pictures are read once per process.
void zu_SetWindowIcon(GLFWwindow* window);
