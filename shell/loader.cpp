// The asset loader: art at the resolution tier that suits the window, loaded one step per
// update behind an animated loading screen, so the window keeps responding while the
// sheets decode. A resize starts it again from step 1 at the new tier.
#include <algorithm>
#include <cmath>

#include "assets/kit/tiers.h"
#include "framework/app.h"
#include "framework/graphics.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// Every image of the collection is loaded with these flags.
constexpr int kImageFlags = 1;
constexpr int kFontFrames = 128;
// Font cells are 16 art pixels square at tier 1.
constexpr int kFontCell = 16;
constexpr int kJingle = 96;
// The tunes load after the effects, one per step.
constexpr int kFirstTuneStep = 38;
// The step after the last one that loads something.
constexpr int kFinalStep = kFirstTuneStep + ZU_TUNE_COUNT - 1;

constexpr float kDegToRad = 3.14159265358979f / 180.0f;

struct ImageStep {
  int index;
  const char* path;
  int width;
  int height;
  int frames;
};

}  // namespace

int c_MyApp::p_ChooseArtTier() {
  const int largest = std::max(zu_app_DeviceWidth(), zu_app_DeviceHeight());
  if (largest <= 630) {
    m_ImgRes = 1;
    m_ImgScale = 1.0f;
  } else if (largest <= 1230) {
    m_ImgRes = 2;
    m_ImgScale = 0.5f;
  } else {
    m_ImgRes = 4;
    m_ImgScale = 0.25f;
  }
  return 0;
}

String c_MyApp::p_ArtFile(const String& path) {
  return path + String(zandrel_art::artTierSuffix(m_ImgRes)) + String(".png");
}

int c_MyApp::p_Reload() {
  m_ClsR = 0;
  m_ClsG = 0;
  m_ClsB = 0;
  m_ClsA = 1;
  p_ChooseArtTier();
  // The logo and the font are needed at once: the loading screen shows the one, the
  // debug line the other.
  p_LoadImg(93, String("common/ToviLogo"), 256, 256, 1, kImageFlags);
  p_LoadFont(90, String("fonts/quillet"), 7, 10);
  m_ReloadPending = 1;
  return 0;
}

int c_MyApp::p_LoadImg(int index, const String& path, int width, int height, int frames,
                       int flags) {
  m_Images[index] = nullptr;
  const int artWidth = width * m_ImgRes;
  const int artHeight = height * m_ImgRes;
  gc_assign(m_Images[index],
            zu_graphics_LoadImage2(p_ArtFile(path), artWidth, artHeight, frames, flags));
  // Recorded even when the file is missing, so hit tests against it keep working.
  m_ImgInfo[3 * index] = artWidth;
  m_ImgInfo[3 * index + 1] = artHeight;
  m_ImgInfo[3 * index + 2] = frames;
  return 0;
}

int c_MyApp::p_LoadFont(int index, const String& path, int advance, int height) {
  m_Images[index] = nullptr;
  const int cell = kFontCell * m_ImgRes;
  gc_assign(m_Images[index],
            zu_graphics_LoadImage2(p_ArtFile(path), cell, cell, kFontFrames, kImageFlags));
  m_ImgInfo[3 * index] = advance;
  m_ImgInfo[3 * index + 1] = height;
  m_ImgInfo[3 * index + 2] = kFontFrames;
  m_Font = index;
  return 0;
}

int c_MyApp::p_LoaderStep(int step) {
  static const ImageStep kCommonImages[] = {
      {97, "common/icons", 32, 32, 16},   {95, "common/Buttons", 64, 64, 16},
      {94, "common/dpad", 32, 32, 16},    {93, "common/ToviLogo", 256, 256, 1},
      {91, "common/Testcard_Circle", 256, 256, 1},
  };
  static const int kShellSounds[] = {1, 95, 98, 99};
  auto load = [this](const ImageStep& image) {
    p_LoadImg(image.index, String(image.path), image.width, image.height, image.frames,
              kImageFlags);
  };

  if (step >= 1 && step <= 5) {
    load(kCommonImages[step - 1]);
    if (step == 1) p_LoadSFX(kJingle);
    // The jingle plays once per run, as soon as the logo is on screen.
    if (step == 4 && m_JinglePlayed == 0) {
      p_PlaySFX(kJingle, 1.0f, 1.0f);
      m_JinglePlayed = 1;
    }
  } else if (step == 6) {
    p_LoadFont(90, String("fonts/quillet"), 7, 10);
  } else if (step >= 7 && step <= 10) {
    p_LoadSFX(kShellSounds[step - 7]);
  } else if (step == 11) {
    load({99, "menu", 256, 256, 4});
  } else if (step == 12) {
    load({98, "logo", 256, 128, 1});
  } else if (step == 13) {
    load({96, "parts", 8, 8, 256});
  } else if (step == 14) {
    load({80, "BadgesA", 64, 64, 64});
    load({50, "heart", 32, 32, 1});
  } else if (step == 15) {
    load({70, "games", 32, 32, 64});
    load({71, "bars", 128, 32, 16});
  } else if (step >= 16 && step <= 21) {
    const int sheet = step - 16;
    p_LoadImg(sheet, String("sprt_") + String(sheet), 40, 40, 64, kImageFlags);
  } else if (step >= 22 && step < kFirstTuneStep) {
    p_LoadSFX(step - 20);
  } else if (step >= kFirstTuneStep && step < kFinalStep) {
    p_LoadTune(step - kFirstTuneStep + 1);
  } else if (step >= kFinalStep) {
    m_ReloadPending = 0;
  }
  return 0;
}

int c_MyApp::p_Loader() {
  p_ChooseArtTier();
  p_LoaderStep(m_ReloadPending);
  if (m_ReloadPending > 0) ++m_ReloadPending;
  p_WaitStart(1);
  return 0;
}

int c_MyApp::p_SpinnerDots(float red, float green, float blue, float startAngle) {
  const float cx = zu_Quor_jscrw / 2;
  const float cy = zu_Quor_jscrh / 2;
  const float radius = static_cast<float>(m_NewRank) / 4;
  p_SetCol(red, green, blue);
  for (int i = 0; i <= 10; ++i) {
    const float angle = (startAngle + static_cast<float>(16 * i)) * kDegToRad;
    p_Alpha(static_cast<float>(i) / 10.0f);
    p_Oval(cx + std::sin(angle) * radius, cy - std::cos(angle) * radius, 8, 8);
  }
  return 0;
}

int c_MyApp::p_WaitStart(int flag) {
  if (flag != 1) return 0;
  const float w = zu_Quor_jscrw;
  const float h = zu_Quor_jscrh;
  p_CLS2D(40, 40, 80, 1);
  m_NewRank = zu_f2i(std::min(w, h));
  m_Spin += 16;
  const float spin = static_cast<float>(m_Spin);

  p_SpinnerDots(250, 250, 250, spin + 180);
  p_SetCol(255, 255, 0, 0.8f);
  p_Oval(w / 2, h / 2, 0.3f * static_cast<float>(m_NewRank), 0.3f * static_cast<float>(m_NewRank));
  p_SetCol(250, 160, 60, 0.7f);
  p_Rect(0, 0.4f * h, w, 0.2f * h);
  p_SetCol(255, 255, 255, 1);
  p_SetSize(1);
  p_DrawImg(93, w / 2, 0.48f * h, 0);
  p_SpinnerDots(50, 50, 50, spin);
  return 0;
}
