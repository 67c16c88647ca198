// The five hooks the framework drives: start-up, one update (input sampling, the mode
// dispatcher, overlays, the loader), one frame (fill, resize detection, screen fit,
// replay of the draw list), suspend and resume.
#include <cstdint>

#include "framework/app.h"
#include "framework/async_event.h"
#include "framework/audio.h"
#include "framework/graphics.h"
#include "framework/input.h"
#include "framework/random.h"
#include "host/glfw_game.h"
#include "host/numeric.h"
#include "host/report.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kKeyF1 = 112;
constexpr int kKeyF2 = 113;
constexpr int kKeyF4 = 115;
constexpr int kKeyF11 = 122;
constexpr int kPadBackButton = 6;
constexpr int kPadGuideButton = 14;
constexpr int kPads = 4;
constexpr int kBackSlot = 19;
// Slots 0..18 hold the virtual controls; slot 19 is the back control.
constexpr int kControlSlots = 19;
constexpr int kTouchPoints = 10;
constexpr int kUpdateRate = 60;
constexpr int kSuspendedRate = 5;
constexpr int kSlideShown = 30;
constexpr int kBackControl = 99;
// The controls whose release frees the key latch: directions, every fire button, and back,
// so that a back press that closed something must be let go before it acts again.
constexpr int kLatchControls[] = {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, 16, 17, kBackControl};
constexpr int kPlayers = 4;

// Rate since the previous call, and its running average, from the millisecond clock.
void MeasureRate(int now, int& last, int& rate, int& average) {
  const int64_t elapsed = static_cast<int64_t>(now) - last;
  if (elapsed > 0) rate = static_cast<int>(1000 / elapsed);
  average = (average * 9 + rate) / 10;
  last = now;
}

// A device pixel to virtual units; before the first frame has fitted the screen there is
// no scale yet, and the pointer reads as the origin.
int ToVirtual(float device, float offset, float scale) {
  if (scale <= 0) return 0;
  return zu_f2i((device - offset) / scale);
}

// Slide counters of the overlay boxes: up to fully shown while open, back to 0 when closed.
void Slide(int& counter, int open) {
  if (open == 1) {
    if (counter < kSlideShown) ++counter;
  } else if (counter > 0) {
    --counter;
  }
}

// The console's back key. A console has one (the first pad's button 14); on the desktop's
// couch the back and guide buttons of every pad stand for it, since the guide button is
// often the launcher's and a pad may sit in any port. Escape stays the menu's own: as a
// back key too, one held press would close a box and then ask to quit.
int ConsoleBackHit() {
  for (int pad = 0; pad < kPads; ++pad) {
    if (zu_input_JoyHit(kPadBackButton, pad) != 0 || zu_input_JoyHit(kPadGuideButton, pad) != 0) {
      return 1;
    }
  }
  return 0;
}

}  // namespace

int c_MyApp::p_OnCreate() {
  if (zu_Quor_isConsole == 1) {
    zu_Quor_overscan = 64;
    m_Platform = 1;
  }
  // The host may have opened the first window fullscreen, as the command line asked.
  m_Fullscreen = ZuGlfwGame::_glfwGame && ZuGlfwGame::_glfwGame->Fullscreen() ? 1 : 0;
  m_JinglePlayed = 0;
  p_ResetStars(100);
  zu_app_SetUpdateRate(kUpdateRate);
  m_Mode = 1;
  m_DevW = zu_app_DeviceWidth();
  m_DevH = zu_app_DeviceHeight();
  m_AccelBaseX = 0;
  m_AccelBaseY = 0;
  p_Reload();
  m_MenuSlide = -32;
  m_TmpU = 50;
  m_Paused = 0;
  m_PauseState = -1;
  m_PauseY = -64;

  for (int i = 0; i < 15; ++i) {
    m_BadgeA[i] = 0;
    m_BadgeB[i] = 0;
  }
  for (int i = 0; i < 128; ++i) m_Badges[i] = false;
  for (int i = 0; i < kControlSlots; ++i) m_Keys[i] = 0;
  for (int i = 0; i < 25; ++i) m_Options[i] = 0;
  m_Options[5] = 1;
  for (int i = 0; i <= 260; ++i) m_Highscores[i] = 0;
  p_Load();
  for (int i = 0; i <= 32; ++i) m_Channels[i] = i;
  p_FeaturedGame();
  return 0;
}

int c_MyApp::p_FeaturedGame() {
  Array<int> date(7);
  zu_app_GetDate(date);
  const int year = date[0];
  const int month = date[1];
  const int day = date[2];
  // The same date always features the same game.
  zu_random_Seed = zu_wrap_add(zu_wrap_add(day, zu_wrap_mul(10, month)), zu_wrap_mul(20, year));
  for (int i = 0; i < 11; ++i) zu_random_Rnd();
  if (year == 2014 && month == 11) {
    m_MenuSel = 1;
  } else {
    m_MenuSel = zu_f2i(zu_random_Rnd() * 25 + 1);
  }
  // The advent calendar: each December day up to Christmas opens the next letter.
  if (month == 12 && day <= 25) m_MenuSel = day + 1;
  return 0;
}

int c_MyApp::p_OnUpdate() {
  m_Keys[kBackSlot] = zu_Quor_isConsole == 0 ? zu_input_KeyHit(KEY_BACK) : ConsoleBackHit();
  p_FunctionKeys();
  zu_asyncevent_UpdateAsyncEvents();
  p_UpdateMusic();
  if (zu_Quor_HasMusicStream == 1 && m_Tune != ZU_TUNE_NONE) {
    if (m_Paused != 0) {
      zu_audio_PauseMusic();
    } else {
      zu_audio_ResumeMusic();
    }
  }
  MeasureRate(zu_app_Millisecs(), m_LastUpdateMs, m_UpdateFps, m_UpdateFpsAvg);
  p_SamplePointer();
  p_UpdateLatches();

  if (m_ReloadPending == 0) {
    p_RunMode();
    p_RunOverlays();
  }
  if (m_ReloadPending > 0) {
    p_Loader();
    m_FrozenDrawCount = 0;  // the loading screen has overwritten the game's last frame
  }
  if (zu_Quor_iCadeControls == 1) p_iCadeUpdate();
  for (int i = 0; i < kControlSlots; ++i) {
    if (m_Keys[i] == 1) m_Keys[i] = 0;
  }
  // Each checks its own switch; both are off on the desktop.
  p_OnScreenPad();
  p_TiltInput();
  if (zu_Quor_DebugMode == 1 && m_Mode != 5) p_DebugLine();
  p_ShowBadges();
  p_SaveNotice();
  return 0;
}

int c_MyApp::p_FunctionKeys() {
  if (zu_input_KeyHit(kKeyF1)) zu_Quor_DebugMode = 1 - zu_Quor_DebugMode;
  if (zu_input_KeyHit(kKeyF2)) m_HideHud = 1 - m_HideHud;
  if (zu_input_KeyHit(kKeyF11)) p_FullscreenFlip();
  // An empty message is the runtime's quiet exit with status 0.
  if (zu_input_KeyHit(kKeyF4) || zu_input_KeyHit(KEY_CLOSE)) zuError(String());
  return 0;
}

int c_MyApp::p_SamplePointer() {
  const float deviceW = static_cast<float>(zu_app_DeviceWidth());
  const float deviceH = static_cast<float>(zu_app_DeviceHeight());
  const float offsetX = zu_Quor_overscan;
  const float offsetY = deviceW > 0 ? zu_Quor_overscan * deviceH / deviceW : 0;

  m_OldMouseX = m_MouseX;
  m_OldMouseY = m_MouseY;
  m_MouseX = ToVirtual(zu_input_MouseX(), offsetX, m_ScaleX);
  m_MouseY = ToVirtual(zu_input_MouseY(), offsetY, m_ScaleY);
  const int buttonDown = zu_input_KeyDown(KEY_LMB) ? 1 : 0;
  // A fresh press has no previous position to drag from.
  if (m_WasDown == 0 && buttonDown == 1) {
    m_OldMouseX = m_MouseX;
    m_OldMouseY = m_MouseY;
  }
  m_TouchDown = buttonDown;
  m_MouseHit = zu_input_KeyHit(KEY_LMB);

  for (int i = 0; i < kTouchPoints; ++i) {
    m_TouchOn[i] = 0;
    m_TouchX[i] = static_cast<int>(ZU_OMITTED);
    m_TouchY[i] = static_cast<int>(ZU_OMITTED);
    if (zu_input_KeyDown(KEY_TOUCH0 + i)) {
      m_TouchOn[i] = 1;
      m_TouchX[i] = ToVirtual(zu_input_TouchX(i), offsetX, m_ScaleX);
      m_TouchY[i] = ToVirtual(zu_input_TouchY(i), offsetY, m_ScaleY);
      m_TouchDown = 1;
    }
  }

  m_WasDown = buttonDown;
  if (m_TouchDown == 0) m_TouchLatch = 0;
  if (m_Countdown > 0) --m_Countdown;
  return 0;
}

int c_MyApp::p_UpdateLatches() {
  bool anyControl = false;
  for (int control : kLatchControls) {
    for (int player = 0; player < kPlayers; ++player) {
      if (p_PlayKey(control, 1, player) != 0) anyControl = true;
    }
  }
  if (!anyControl) m_KeyLatch = 0;

  if (m_KeyLatch == 0 && m_TouchLatch == 0 && m_Mode == 1 &&
      (m_CreditsOpen != 0 || m_OptionsOpen != 0 || m_BadgesOpen != 0)) {
    bool back = false;
    for (int player = 0; player < kPlayers; ++player) {
      if (p_PlayKey(kBackControl, 1, player) != 0) back = true;
    }
    // The options box closes itself (and saves); back only closes the other two here.
    if (back) {
      m_CreditsOpen = 0;
      m_BadgesOpen = 0;
      m_KeyLatch = 1;
      m_TouchLatch = 1;
    }
  }
  if (m_OptionsOpen != 0) {
    m_KeyLatch = 1;
    m_TouchLatch = 1;
  }
  return 0;
}

int c_MyApp::p_RunMode() {
  switch (m_Mode) {
    case 1:
      p_Menu();
      break;
    case 2:
      p_LoadMenu();
      p_PlaySFX(96, 1.0f, 1.0f);
      m_Mode = 1;
      break;
    case 4:
      p_ConsoleQuit();
      break;
    case 10:
      if (m_Paused == 0) {
        p_UpdateCurrentGame();
        m_FrozenDrawCount = m_DrawCount;
      } else {
        // The pause menu lies over the game's last picture. A swapped window does not keep
        // that picture, so the game's last commands (still at the head of the draw list,
        // with its fill colour) are replayed under the menu instead of an empty list.
        if (m_FrozenDrawCount > 0) {
          p_CLS2D();
          m_DrawCount = m_FrozenDrawCount;
        } else {
          // Nothing left to replay (the loader reused the list): a negative fill alpha
          // leaves whatever the window shows.
          p_CLS2D(0, 0, 0, -1);
        }
      }
      p_InGame();
      break;
    case 11:
      m_GfxW = 640;
      p_StartCurrentGame();
      break;
    default:
      break;
  }
  return 0;
}

int c_MyApp::p_RunOverlays() {
  if (m_Mode == 10 && m_Dead > 0) p_GameOver();
  if (m_Mode == 1 || m_Mode == 2) {
    p_GameOver();
    if (m_Mode == 1) {
      if (m_CreditsOpen == 1 || m_CreditsSlide > 0) p_CreditBox();
      Slide(m_CreditsSlide, m_CreditsOpen);
    }
  }
  if (m_Mode == 1 && m_BadgesOpen == 1) p_BadgesBox();
  if (m_OptionsOpen == 1 || m_OptionsSlide > 0) p_OptionBox();
  Slide(m_OptionsSlide, m_OptionsOpen);
  return 0;
}

int c_MyApp::p_DebugLine() {
  const String text =
      String(m_ScaleY) + String(",") + String(m_ScaleX) + String(":") + String(m_RenderFpsAvg);
  const bool tiltOnly = zu_Quor_AccelerometerControls == 1 && zu_Quor_iCadeControls == 0;
  const float y = tiltOnly ? zu_Quor_jscrh / 2 : zu_Quor_jscrh - 16;
  p_SetCol(255, 255, 255, 1);
  p_SetSize(1);
  p_Text(16, y, text, 0, 0);
  return 0;
}

int c_MyApp::p_OnRender() {
  MeasureRate(zu_app_Millisecs(), m_LastRenderMs, m_RenderFps, m_RenderFpsAvg);
  const int deviceW = zu_app_DeviceWidth();
  const int deviceH = zu_app_DeviceHeight();
  zu_graphics_SetColor(m_ClsR, m_ClsG, m_ClsB);
  zu_graphics_SetAlpha(m_ClsA);
  zu_graphics_DrawRect(-1, -1, static_cast<float>(deviceW + 2), static_cast<float>(deviceH + 2));
  zu_graphics_SetColor(255, 255, 255);
  zu_graphics_SetAlpha(1);
  // A new window size reloads all art at the tier that suits it.
  if (deviceW != m_DevW || deviceH != m_DevH) {
    m_ReloadPending = 1;
    m_DevW = deviceW;
    m_DevH = deviceH;
  }
  p_FitScreen();
  p_ReplayDrawList();
  return 0;
}

int c_MyApp::p_OnSuspend() {
  p_PauseForFocusChange();
  zu_app_SetUpdateRate(kSuspendedRate);
  p_Save();
  return 0;
}

int c_MyApp::p_OnResume() {
  p_PauseForFocusChange();
  zu_app_SetUpdateRate(kUpdateRate);
  return 0;
}

int c_MyApp::p_PauseForFocusChange() {
  p_iCade(0);
  if (m_Mode < 10) {
    m_Paused = 0;
    m_PauseState = 0;
    m_PauseY = 0;
  } else {
    // A game in progress comes back in its pause menu.
    m_Paused = 1;
    m_PauseState = 1;
    m_PauseY = zu_f2i(zu_Quor_jscrh / 2);
  }
  return 0;
}
