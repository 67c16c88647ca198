#include "shell/entry.h"

#include "framework/framework_init.h"
#include "shell/my_app.h"
#include "shell/quor.h"

void zuInit() {
  zu_framework_Init();
  zu_Quor_Init();
}

int zuMain() {
  gc_new<c_MyApp>()->m_new();
  return 0;
}

ZuApplicationEntry zu_Quor_ApplicationEntry() {
  return {zuInit, [] { zuMain(); }};
}

std::vector<std::string> zu_Quor_FontImages() {
#ifdef __EMSCRIPTEN__
  // The page ships no art of the largest tier: none of its canvases is large enough.
  return {"fonts/quillet.png", "fonts/quillet-hd.png"};
#else
  return {"fonts/quillet.png", "fonts/quillet-hd.png", "fonts/quillet-hd2.png"};
#endif
}
