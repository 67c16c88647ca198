#ifdef __EMSCRIPTEN__

#include "host/browser_page.h"

#include <emscripten.h>

void zu_browser_CanvasSize(int* width, int* height) {
  *width = EM_ASM_INT({ return Module.canvas.width; });
  *height = EM_ASM_INT({ return Module.canvas.height; });
}

bool zu_browser_PageFocused() { return EM_ASM_INT({ return document.hasFocus() ? 1 : 0; }) != 0; }

void zu_browser_SetFullscreen(bool fullscreen) {
  // The page refits the canvas when the browser reports the change.
  EM_ASM({
    if ($0 && !document.fullscreenElement) {
      document.documentElement.requestFullscreen().catch(function() {});
    } else if (!$0 && document.fullscreenElement) {
      document.exitFullscreen().catch(function() {});
    }
  }, fullscreen);
}

void zu_browser_PersistSaves() {
  EM_ASM({ if (Module.persistSaves) Module.persistSaves(); });
}

#endif
