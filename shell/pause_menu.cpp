// The pause button during play and the pause menu it opens: a panel that slides down over
// the frozen game with three buttons (quit, resume, options), worked by touch or by keys.
#include <cmath>

#include "framework/input.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kPlayers = 4;
constexpr int kBackControl = 99;
constexpr int kFire1 = 10;
constexpr int kConsolePauseControl = 13;
constexpr int kOverscanDown = 14;
constexpr int kOverscanUp = 15;
constexpr int kUp = 0, kLeft = 3, kRight = 5, kDown = 8;

constexpr int kIconsImage = 97;
constexpr int kPauseFrame = 0, kQuitFrame = 1, kResumeFrame = 3, kRingFrame = 6;
constexpr int kButtonsImage = 95;
constexpr int kGearOuterFrame = 8, kGearMiddleFrame = 9, kGearInnerFrame = 10;

constexpr int kSelectQuit = -1, kSelectResume = 0, kSelectOptions = 1;
constexpr int kMenuSound = 98;
constexpr int kOptionsSound = 99;
constexpr float kMenuVolume = 0.5f;
constexpr int kSlideStep = 24;
constexpr int kOverscanOption = 14;
constexpr int kOverscanStep = 16;
constexpr int kOverscanMax = 96;

bool AnyPlayerPresses(c_MyApp& app, int control) {
  for (int player = 0; player < kPlayers; ++player) {
    if (app.p_PlayKey(control, 1, player) != 0) return true;
  }
  return false;
}

bool PauseKeyPressed(c_MyApp& app) {
  if (AnyPlayerPresses(app, kBackControl)) return true;
  return zu_Quor_isConsole == 1 && AnyPlayerPresses(app, kConsolePauseControl);
}

void OpenPauseMenu(c_MyApp& app) {
  app.m_Paused = 1;
  app.m_PauseState = 1;
  app.m_PauseSel = kSelectResume;
  app.p_PlaySFX(kMenuSound, 1.0f, kMenuVolume);
}

// The panel slides away; the menu stays open (and the game frozen) until it is gone.
void Resume(c_MyApp& app) {
  app.m_PauseState = -1;
  app.p_PlaySFX(kMenuSound, 1.0f, kMenuVolume);
}

// Ends the play as a crash would: the game-over sequence records the score.
void Quit(c_MyApp& app) {
  app.m_Paused = 0;
  app.m_PauseState = -1;
  app.m_PauseY = -64;
  app.m_Dead = 1;
  app.m_TouchLatch = 1;
  app.p_PlaySFX(kMenuSound, 0.5f, kMenuVolume);
}

void OpenOptions(c_MyApp& app) { app.m_OptionsOpen = 1; }

// A lower pitch moves towards quit or back to resume, a higher one towards options.
void Select(c_MyApp& app, int selection, float rate) {
  app.m_PauseSel = selection;
  app.m_KeyLatch = 1;
  app.p_PlaySFX(kMenuSound, rate, kMenuVolume);
}

void DrawRing(c_MyApp& app, float x, float y) {
  app.p_SetSize(2.5f);
  app.p_SetCol(255.0f, 255.0f, 100.0f, 1.0f);
  app.p_DrawImg(kIconsImage, x, y, kRingFrame);
}

// The panel fades the game out as it comes down; its darkness follows its distance from
// the top edge.
void DimScreen(c_MyApp& app) {
  const float alpha = std::fabs(static_cast<float>(app.m_PauseY)) / (0.8f * zu_Quor_jscrh);
  app.p_SetCol(0.0f, 0.0f, 0.0f, alpha);
  app.p_Rect(0.0f, 0.0f, zu_Quor_jscrw, zu_Quor_jscrh);
}

void Slide(c_MyApp& app) {
  if (app.m_PauseState == 1) {
    if (static_cast<float>(app.m_PauseY) < zu_Quor_jscrh / 2.0f) app.m_PauseY += kSlideStep;
  } else if (app.m_PauseState == -1) {
    if (app.m_PauseY < -63) {
      app.m_Paused = 0;
    } else {
      app.m_PauseY -= kSlideStep;
      if (app.m_PauseY < -32) app.m_Paused = 0;
    }
  }
}

void DrawPanel(c_MyApp& app, float c, float y) {
  const bool landscape = app.m_Landscape == 1;
  const float barX = landscape ? c - 128.0f : c - 96.0f;
  const float barWidth = landscape ? 256.0f : 192.0f;
  app.p_SetCol(255.0f, 255.0f, 10.0f, 0.6f);
  app.p_Rect(barX, landscape ? y - 64.0f : y - 92.0f, barWidth, 8.0f);
  app.p_SetCol(255.0f, 150.0f, 10.0f, 0.7f);
  if (landscape) {
    app.p_Rect(c - 140.0f, y - 52.0f, 280.0f, 104.0f);
  } else {
    app.p_Rect(c - 128.0f, y - 80.0f, 256.0f, 160.0f);
  }
  app.p_SetCol(10.0f, 150.0f, 255.0f, 0.6f);
  app.p_Rect(barX, landscape ? y + 56.0f : y + 84.0f, barWidth, 8.0f);
}

// Console builds: the overscan border can be set from the pause menu as from the options
// box; the stored option and the border in use are kept within 1..96.
void OverscanBar(c_MyApp& app, float c, float y) {
  Array<int>& options = app.m_Options;
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.p_SetSize(2.0f);
  app.p_Text(c, y - 150.0f, String("L1 <      Overscan      > R1"), 1.0f);
  app.p_SetSize(1.0f);
  app.p_SetCol(0.0f, 128.0f, 255.0f, 0.5f);
  app.p_Rect(c - 128.0f, y - 154.0f, 256.0f, 9.0f);
  app.p_SetCol(255.0f, 255.0f, 0.0f, 0.75f);
  app.p_Rect(c - 132.0f + 2.67f * static_cast<float>(options[kOverscanOption]), y - 158.0f, 8.0f,
             16.0f);

  // A touch on the bar jumps between the two ends.
  if (app.m_TouchLatch == 0 && app.p_MouseIn(c - 128.0f, y - 166.0f, 256.0f, 16.0f) != 0) {
    app.m_TouchLatch = 1;
    app.p_PlaySFX(kMenuSound);
    options[kOverscanOption] = zu_Quor_overscan >= 32.0f ? 1 : kOverscanMax;
  }
  if (app.m_KeyLatch == 0 && AnyPlayerPresses(app, kOverscanDown) &&
      options[kOverscanOption] > 0) {
    options[kOverscanOption] -= kOverscanStep;
    app.m_KeyLatch = 1;
  }
  if (app.m_KeyLatch == 0 && AnyPlayerPresses(app, kOverscanUp) &&
      options[kOverscanOption] < kOverscanMax) {
    options[kOverscanOption] += kOverscanStep;
    app.m_KeyLatch = 1;
  }
  if (options[kOverscanOption] < 1) options[kOverscanOption] = 1;
  if (options[kOverscanOption] > kOverscanMax) options[kOverscanOption] = kOverscanMax;
  zu_Quor_overscan = static_cast<float>(options[kOverscanOption]);
}

void ResumeButton(c_MyApp& app, float c, float y) {
  app.p_SetSize(2.0f);
  app.p_SetCol(50.0f, 50.0f, 250.0f, 1.0f);
  if (app.p_Button(kIconsImage, c, y, kResumeFrame) != 0 && app.m_TouchLatch == 0) {
    app.m_TouchLatch = 1;
    Resume(app);
  }
  if (app.m_PauseSel != kSelectResume) return;
  DrawRing(app, c, y);
  if (app.m_KeyLatch != 0) return;
  if (AnyPlayerPresses(app, kFire1)) {
    app.m_KeyLatch = 1;
    Resume(app);
  } else if (AnyPlayerPresses(app, kLeft) || AnyPlayerPresses(app, kUp)) {
    Select(app, kSelectQuit, 0.8f);
  } else if (AnyPlayerPresses(app, kRight)) {
    Select(app, kSelectOptions, 1.2f);
  }
}

void QuitButton(c_MyApp& app, float c, float y) {
  const bool landscape = app.m_Landscape == 1;
  app.m_TmpI = zu_f2i(landscape ? c - 140.0f : c - 96.0f);
  app.m_TmpJ = zu_f2i(landscape ? y - 64.0f : y - 96.0f);
  const float x = static_cast<float>(app.m_TmpI);
  const float buttonY = static_cast<float>(app.m_TmpJ);
  app.p_SetSize(2.0f);
  app.p_SetCol(255.0f, 50.0f, 50.0f, 1.0f);
  if (app.p_Button(kIconsImage, x, buttonY, kQuitFrame) != 0 && app.m_TouchLatch == 0) Quit(app);
  if (app.m_PauseSel != kSelectQuit) return;
  DrawRing(app, x, buttonY);
  if (app.m_KeyLatch != 0) return;
  if (AnyPlayerPresses(app, kFire1)) {
    app.m_KeyLatch = 1;
    Quit(app);
  } else if (AnyPlayerPresses(app, kRight) || AnyPlayerPresses(app, kDown)) {
    Select(app, kSelectResume, 0.8f);
  }
}

// A gear of three layers turning against each other; it stands still while the options
// box it opens is showing.
void OptionsButton(c_MyApp& app, float c, float y) {
  const bool landscape = app.m_Landscape == 1;
  const float x = landscape ? c + 140.0f : c + 96.0f;
  const float buttonY = landscape ? y - 64.0f : y - 96.0f;
  app.p_SetSize(1.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  if (app.m_OptionsOpen == 0) app.m_PauseOpt += 0.2f;
  app.p_SetRot(-0.66f * app.m_PauseOpt);
  app.p_DrawImg(kButtonsImage, x, buttonY, kGearOuterFrame);
  app.p_SetRot(0.33f * app.m_PauseOpt);
  app.p_DrawImg(kButtonsImage, x, buttonY, kGearMiddleFrame);
  const int hit = app.p_Button(kButtonsImage, x, buttonY, kGearInnerFrame);
  app.p_SetRot(0.0f);
  if (hit != 0 && app.m_TouchLatch == 0) {
    app.m_TouchLatch = 1;
    OpenOptions(app);
    app.p_PlaySFX(kOptionsSound, 1.0f, 1.0f);
  }
  if (app.m_PauseSel != kSelectOptions) return;
  DrawRing(app, x, buttonY);
  if (app.m_KeyLatch != 0) return;
  if (AnyPlayerPresses(app, kFire1)) {
    app.m_KeyLatch = 1;
    OpenOptions(app);
    app.p_PlaySFX(kMenuSound, 1.0f, kMenuVolume);
  } else if (AnyPlayerPresses(app, kLeft) || AnyPlayerPresses(app, kDown)) {
    Select(app, kSelectResume, 0.8f);
  }
}

}  // namespace

int c_MyApp::p_InGame() {
  p_ResetDraw();
  m_MenuSlide = -32;
  if (m_Paused == 0 && m_KeyLatch == 0 && PauseKeyPressed(*this)) {
    m_KeyLatch = 1;
    OpenPauseMenu(*this);
  }
  // A pad that goes away mid-play pauses it, as consoles do: its player cannot go on.
  if (m_Paused == 0 && m_Dead == 0 && zu_input_JoystickLost()) OpenPauseMenu(*this);
  if (m_HideHud != 0) {
    if (m_Paused == 1) p_PauseMenu();
    return 0;
  }
  // The button ignores the touch latch: in the games a touch anywhere plays (a jump, a
  // throw), and the game has taken the touch before the button is asked. A play that is
  // over has nothing to pause.
  p_Alpha(0.2f);
  if (p_Button(kIconsImage, 16.0f, 16.0f, kPauseFrame) != 0 && m_Paused == 0 && m_Dead == 0) {
    m_TouchLatch = 1;
    OpenPauseMenu(*this);
  }
  p_Alpha(1.0f);
  if (m_Paused == 1) p_PauseMenu();
  return 0;
}

int c_MyApp::p_PauseMenu() {
  DimScreen(*this);
  Slide(*this);
  const float c = zu_Quor_jscrw / 2.0f;
  const float y = static_cast<float>(m_PauseY);
  DrawPanel(*this, c, y);
  if (zu_Quor_isConsole == 1) OverscanBar(*this, c, y);
  ResumeButton(*this, c, y);
  QuitButton(*this, c, y);
  OptionsButton(*this, c, y);
  if (m_KeyLatch == 0 && AnyPlayerPresses(*this, kBackControl)) {
    m_KeyLatch = 1;
    Resume(*this);
  }
  p_ResetDraw();
  return 0;
}
