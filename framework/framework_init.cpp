#include "framework/framework_init.h"

#include "framework/app.h"
#include "framework/async_event.h"
#include "framework/audio.h"
#include "framework/graphics.h"
#include "framework/input.h"
#include "framework/random.h"

void zu_framework_Init() {
  zu_app_Init();
  zu_asyncevent_Init();
  zu_graphics_Init();
  zu_input_device = nullptr;
  zu_audio_device = nullptr;
  zu_random_Seed = 1234;
}
