// Translation of the window system's key codes into the framework's key codes (the
// Windows virtual-key values), and the character codes of the non-printing keys.
#pragma once

// Framework key codes of the host's own making.
constexpr int ZU_KEY_BACK = 416;
constexpr int ZU_KEY_CLOSE = 432;

// The framework key code of a GLFW 3 key code, or 0 for a key that is not reported.
int zu_TranslateGlfwKey(int glfwKey);

// The character a non-printing framework key types: 8, 9, 13 and 27 themselves; the
// navigation keys 33..40 and 45 with bit 16 set; Delete 127; every other key 0.
int zu_KeyToChar(int key);
