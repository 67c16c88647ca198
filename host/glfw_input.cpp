// The desktop host's input: GLFW 3 callbacks turned into the application's key, character,
// mouse and close events.
#include <GLFW/glfw3.h>

#include "host/glfw_game.h"
#include "host/key_translation.h"

namespace {

void KeyCallback(GLFWwindow*, int key, int /*scancode*/, int action, int /*mods*/) {
  ZuGlfwGame::OnKey(key, action);
}

void CharCallback(GLFWwindow*, unsigned int codepoint) {
  ZuGlfwGame::OnChar(static_cast<int>(codepoint), GLFW_PRESS);
}

void MouseButtonCallback(GLFWwindow*, int button, int action, int /*mods*/) {
  ZuGlfwGame::OnMouseButton(button, action);
}

void CursorPosCallback(GLFWwindow*, double x, double y) { ZuGlfwGame::OnMousePos(x, y); }

void WindowCloseCallback(GLFWwindow* window) {
  glfwSetWindowShouldClose(window, ZuGlfwGame::OnWindowClose() ? GLFW_TRUE : GLFW_FALSE);
}

}  // namespace

int ZuGlfwGame::TransKey(int glfwKey) { return zu_TranslateGlfwKey(glfwKey); }

int ZuGlfwGame::KeyToChar(int key) { return zu_KeyToChar(key); }

void ZuGlfwGame::OnKey(int key, int action) {
  // The screenshot key belongs to the host: the application never sees it.
  if (key == GLFW_KEY_F12) {
    if (action == GLFW_PRESS && _glfwGame) _glfwGame->_screenshotWanted = true;
    return;
  }
  const int code = TransKey(key);
  if (code == 0 || !_glfwGame) return;
  if (action == GLFW_RELEASE) {
    _glfwGame->KeyEvent(ZuGameEvent::KeyUp, code);
    return;
  }
  // A held key's repeats count as presses.
  _glfwGame->KeyEvent(ZuGameEvent::KeyDown, code);
  if (const int chr = KeyToChar(code)) _glfwGame->KeyEvent(ZuGameEvent::KeyChar, chr);
}

void ZuGlfwGame::OnChar(int chr, int action) {
  if (action != GLFW_PRESS || !_glfwGame) return;
  _glfwGame->KeyEvent(ZuGameEvent::KeyChar, chr);
}

void ZuGlfwGame::OnMouseButton(int button, int action) {
  if (button < 0 || button > 2 || !_glfwGame) return;
  double x, y;
  _glfwGame->_windowSystem.CursorPosition(&x, &y);
  const int event = action == GLFW_RELEASE ? ZuGameEvent::MouseUp : ZuGameEvent::MouseDown;
  _glfwGame->MouseEvent(event, button, static_cast<float>(x), static_cast<float>(y));
}

void ZuGlfwGame::OnMousePos(double x, double y) {
  if (!_glfwGame) return;
  _glfwGame->MouseEvent(ZuGameEvent::MouseMove, -1, static_cast<float>(x),
                        static_cast<float>(y));
}

int ZuGlfwGame::OnWindowClose() {
  if (_glfwGame) {
    _glfwGame->KeyEvent(ZuGameEvent::KeyDown, ZU_KEY_CLOSE);
    _glfwGame->KeyEvent(ZuGameEvent::KeyUp, ZU_KEY_CLOSE);
  }
  return 0;
}

void ZuGlfwGame::ReleaseHeldKeys() {
  GLFWwindow* window = _windowSystem.Window();
  if (!window) return;
  for (int key = GLFW_KEY_SPACE; key <= GLFW_KEY_LAST; ++key) {
    const int code = TransKey(key);
    if (code != 0 && glfwGetKey(window, key) == GLFW_PRESS) KeyEvent(ZuGameEvent::KeyUp, code);
  }
}

void ZuGlfwGame::InstallCallbacks() {
  GLFWwindow* window = _windowSystem.Window();
  glfwSetKeyCallback(window, KeyCallback);
  glfwSetCharCallback(window, CharCallback);
  glfwSetMouseButtonCallback(window, MouseButtonCallback);
  glfwSetCursorPosCallback(window, CursorPosCallback);
  glfwSetWindowCloseCallback(window, WindowCloseCallback);
}
