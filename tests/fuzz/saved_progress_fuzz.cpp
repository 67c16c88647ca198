// A state file of any bytes: decoded as text, read as saved progress, saved again. Reading
// what was saved must give back exactly what the first reading gave.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/app.h"
#include "framework/framework_init.h"
#include "host/game.h"
#include "host/gc.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

class StateHost : public ZuGame {
 public:
  String state;
  String LoadState() override { return state; }
  int SaveState(const String& saved) override {
    state = saved;
    return 0;
  }
};

StateHost* host = nullptr;
c_MyApp* app = nullptr;

void ClearProgress() {
  for (int i = 0; i < 25; ++i) app->m_Options[i] = 0;
  app->m_Options[5] = 1;
  for (int i = 0; i < 256; ++i) app->m_Badges[i] = false;
  for (int i = 0; i < 1300; ++i) app->m_Highscores[i] = 0;
}

bool SameProgress(const int* options, const bool* badges, const int* scores) {
  return std::memcmp(options, app->m_Options.begin(), 25 * sizeof(int)) == 0 &&
         std::memcmp(badges, app->m_Badges.begin(), 256 * sizeof(bool)) == 0 &&
         std::memcmp(scores, app->m_Highscores.begin(), 1300 * sizeof(int)) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The section lines of every load would drown the fuzzer's own output.
  if (!std::freopen("/dev/null", "w", stdout)) return 1;
  zu_framework_Init();
  zu_Quor_Init();
  host = new StateHost();
  zu_app__game = host;
  app = gc_new<c_MyApp>();
  app->m_new();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The file's bytes through the host's own text decoding.
  std::FILE* file = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb") : nullptr;
  host->state = file ? String::Load(file) : String();
  if (file) std::fclose(file);

  ClearProgress();
  app->p_Load();
  static int options[25], scores[1300];
  static bool badges[256];
  std::memcpy(options, app->m_Options.begin(), sizeof options);
  std::memcpy(badges, app->m_Badges.begin(), sizeof badges);
  std::memcpy(scores, app->m_Highscores.begin(), sizeof scores);

  app->p_Save();
  ClearProgress();
  app->p_Load();
  if (!SameProgress(options, badges, scores)) std::abort();

  // Nothing of this input is needed any more: let the collector take it.
  gc_collect_step(nullptr);
  return 0;
}
