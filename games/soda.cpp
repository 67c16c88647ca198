// Soda (letter S, "Soda Service"): four counters, each with a tap at its right end. The
// bartender moves between the counters, pours a glass while fire is held and sends it
// sliding left when fire is let go. Patrons walk in from the door towards the taps; one
// who catches a glass is pushed back, drinks, and slides the empty glass back to be caught.
// A glass nobody catches breaks and costs one of three lives; a patron who reaches the taps
// ends the game at once.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The bartender and the bar, in m_Player.
constexpr int kCounter = 2;  // 1 (lowest) .. 4
constexpr int kBartenderY = 4;
constexpr int kPouring = 11;  // fill of the glass in hand, 0 none
constexpr int kThrowPause = 12;
constexpr int kBartenderSprite = 15;
constexpr int kTapRunning = 497;
constexpr int kLives = 498;
constexpr int kThirst = 499;

// Glass slots n = 1..20 at 100 + 10 n.
constexpr int kGlassBase = 100;
constexpr int kGlasses = 20;
constexpr int kContents = 0;  // 0 free, > 0 a full glass sliding left, -1 an empty one
constexpr int kGlassX = 1;
constexpr int kGlassY = 2;
constexpr float kEmptyGlass = -1.0f;

// Patron records k = 0..16 at 400 + 10 k.
constexpr int kPatronBase = 400;
constexpr int kPatrons = 17;
constexpr int kKind = 0;  // 1..4, 0 no patron
constexpr int kPatronX = 1;
constexpr int kPatronCounter = 2;
constexpr int kWalkSpeed = 3;
constexpr int kPushBack = 4;
constexpr int kDrink = 5;

constexpr int kCounters = 4;
constexpr float kFullGlass = 80.0f;
constexpr float kPauseAfterThrow = 30.0f;
constexpr int kMoveRepeat = 10;
constexpr float kDoorX = 16.0f;
constexpr float kPushStep = 4.0f;
constexpr float kSip = 0.5f;
constexpr float kFullGlassSlide = 5.0f;
constexpr float kEmptyGlassSlide = 4.0f;
constexpr float kMostThirst = 11.0f;
constexpr int kCounterDraws = 100;
constexpr int kBreakSparks = 17;

constexpr int kTapSprite = sprite::kSodaTap;
constexpr int kStandingSprite = sprite::kSodaBartenderStanding;
constexpr int kPouringSprite = sprite::kSodaBartenderPouring;
constexpr int kThrowingSprite = sprite::kSodaBartenderThrowing;
constexpr int kEmptyGlassSprite = sprite::kSodaGlassEmpty;
constexpr int kFullGlassSprite = sprite::kSodaGlassFull;
constexpr int kPatronSprite = sprite::kSodaPatron - 1;  // + kind 1..4

constexpr int kSipSound = 2;
constexpr int kCatchAtTapSound = 4;
constexpr int kBreakSound = 7;
constexpr int kGlassBackSound = 10;
constexpr int kPushedOutSound = 13;
constexpr int kPatronCatchSound = 14;
constexpr int kPourSound = 15;
constexpr int kOutOfTheDoorPoints = 50;
constexpr int kGlassCaughtPoints = 25;

// The room's layout depends only on the screen: row height, counter tops, the bartender's
// and the taps' x.
float RowHeight() { return static_cast<float>(zu_f2i(zu_Quor_jscrh / 6.0f)); }
float CounterTop(float counter) { return zu_Quor_jscrh - counter * RowHeight(); }
float PatronY(float counter) { return CounterTop(counter) - 16.0f; }
float BartenderX() { return zu_Quor_jscrw - 96.0f; }
float TapsEnd() { return zu_Quor_jscrw - 130.0f; }

// Fills of 20 steps a picture, from the empty glass up to the full one.
int GlassSprite(float fill) {
  return std::clamp(zu_f2i(fill / 20.0f + kEmptyGlassSprite), int{kEmptyGlassSprite}, int{kFullGlassSprite});
}

float* Glass(c_MyApp& app, int n) { return &app.m_Player[kGlassBase + 10 * n]; }
float* Patron(c_MyApp& app, int k) { return &app.m_Player[kPatronBase + 10 * k]; }

// The last free glass slot, or null when all 20 are in use.
float* FreeGlass(c_MyApp& app) {
  float* found = nullptr;
  for (int n = 1; n <= kGlasses; ++n) {
    if (Glass(app, n)[kContents] == 0.0f) found = Glass(app, n);
  }
  return found;
}

bool FireHeld(c_MyApp& app) {
  return app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0;
}

void DrawRoom(c_MyApp& app) {
  app.p_SetCol(app.m_BgR + 40.0f, app.m_BgG + 40.0f, app.m_BgB + 40.0f, 1.0f);
  app.p_Rect(-64.0f, -64.0f, 80.0f, zu_Quor_jscrh + 128.0f);
  app.p_Rect(zu_Quor_jscrw - 16.0f, -64.0f, 80.0f, zu_Quor_jscrh + 128.0f);
  app.p_SetCol(app.m_BgR + 60.0f, app.m_BgG + 60.0f, app.m_BgB + 60.0f);
  app.p_Rect(-64.0f, -64.0f, zu_Quor_jscrw + 128.0f, 128.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(2.0f);
  for (int c = 1; c <= kCounters; ++c) {
    app.p_DrawGfx(zu_Quor_jscrw - 40.0f, CounterTop(static_cast<float>(c)), kTapSprite);
  }
}

// Moving between counters with empty hands (once every 10 updates while a key is held), or
// pouring while fire is held at the counter he has reached.
void Bartender(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float target = CounterTop(player[kCounter]);
  player[kBartenderY] += (target - player[kBartenderY]) / 8.0f;
  if (std::fabs(player[kBartenderY] - target) < 2.0f) player[kBartenderY] = target;

  app.m_TmpG = FireHeld(app) ? 1 : 0;
  if (app.m_KeyLatch > 0) app.m_KeyLatch -= 1;
  bool pouring = false;
  if (app.m_TmpG == 0) {
    const bool free = player[kPouring] == 0.0f && player[kThrowPause] == 0.0f;
    if (free && app.m_KeyLatch == 0 && app.p_PlayKey(8, 1) != 0 && player[kCounter] > 1.0f) {
      player[kCounter] -= 1.0f;
      app.m_KeyLatch = kMoveRepeat;
    }
    if (free && app.m_KeyLatch == 0 && app.p_PlayKey(0, 1) != 0 && player[kCounter] < 4.0f) {
      player[kCounter] += 1.0f;
      app.m_KeyLatch = kMoveRepeat;
    }
    player[kTapRunning] = 0.0f;
  } else if (player[kBartenderY] == target) {
    pouring = true;
    if (player[kTapRunning] == 0.0f) app.p_PlaySFX(kPourSound);
    player[kTapRunning] = 1.0f;
    player[kPouring] = std::min(player[kPouring] + 1.0f, kFullGlass);
  }

  int sprite = pouring ? kPouringSprite : kStandingSprite;
  if (player[kThrowPause] > 0.0f) sprite = kThrowingSprite;
  player[kBartenderSprite] = static_cast<float>(sprite);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(2.0f);
  app.p_DrawGfx(BartenderX(), player[kBartenderY], sprite);
}

// Letting go of fire sends the glass; with every slot in use it is lost, without penalty.
void PauseAndSend(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kThrowPause] > 0.0f) player[kThrowPause] = std::max(player[kThrowPause] - 1.0f, 0.0f);
  if (player[kPouring] > 0.0f) {
    app.p_DrawGfx(zu_Quor_jscrw - 64.0f, player[kBartenderY] + 8.0f, GlassSprite(player[kPouring]));
  }
  if (app.m_TmpG != 0 || player[kPouring] <= 0.0f) return;
  if (float* glass = FreeGlass(app)) {
    glass[kContents] = player[kPouring];
    glass[kGlassX] = zu_Quor_jscrw - 116.0f;
    glass[kGlassY] = player[kBartenderY] - 8.0f;
  }
  player[kPouring] = 0.0f;
  player[kThrowPause] = kPauseAfterThrow;
}

// A patron with a drink is pushed back first, then sips it; out of the door it leaves for
// 50 points, and a finished drink goes back as an empty glass. Returns false once the patron
// has left.
bool Drink(c_MyApp& app, float* patron, float y) {
  if (app.p_Rand(0.0f, 120.0f) == 0) app.p_PlaySFX(kSipSound);
  if (patron[kPushBack] > 0.0f) {
    patron[kPatronX] -= kPushStep;
    patron[kPushBack] -= kPushStep;
  }
  if (patron[kPushBack] <= 0.0f) {
    patron[kDrink] -= kSip;
    patron[kWalkSpeed] = 0.25f + zu_random_Rnd() * 0.5f;
  }
  bool present = true;
  if (patron[kPatronX] < kDoorX) {
    patron[kKind] = 0.0f;
    app.p_PlaySFX(kPushedOutSound);
    app.m_Score += kOutOfTheDoorPoints;
    present = false;
  }
  if (patron[kDrink] < 1.0f) {
    patron[kDrink] = 0.0f;
    app.p_PlaySFX(kGlassBackSound);
    if (float* glass = FreeGlass(app)) {
      glass[kContents] = kEmptyGlass;
      glass[kGlassX] = patron[kPatronX];
      glass[kGlassY] = y + 8.0f;
    }
  }
  return present;
}

// The first full glass on the patron's counter within reach is caught if the hands are free.
void CatchGlasses(c_MyApp& app, float* patron, float y) {
  for (int n = 1; n <= kGlasses; ++n) {
    float* glass = Glass(app, n);
    if (glass[kContents] <= 0.0f || patron[kDrink] != 0.0f) continue;
    const bool near = std::fabs(glass[kGlassY] - y) < 24.0f &&
                      std::fabs(glass[kGlassX] - patron[kPatronX]) < 32.0f;
    if (!near) continue;
    const float contents = glass[kContents];
    patron[kDrink] = contents;
    patron[kPushBack] = 2.0f * contents;
    app.m_Player[kThirst] += 0.1f + zu_random_Rnd() * 0.1f;
    app.p_PlaySFX(kPatronCatchSound);
    app.m_Score = zu_f2i(static_cast<float>(app.m_Score) + contents);
    glass[kContents] = 0.0f;
  }
}

// Walks, drinks, draws and catches every patron; counts them in m_TmpP and per counter,
// and keeps the last free record in m_TmpN (-1 when the bar is full).
void UpdatePatrons(c_MyApp& app, int (&perCounter)[kCounters + 1]) {
  app.m_TmpS = app.p_Rand(1.0f, 4.0f);  // not used: it only advances the generator
  app.m_TmpP = 0;
  app.m_TmpN = -1;
  for (app.m_Loop = 0; app.m_Loop < kPatrons; ++app.m_Loop) {
    float* patron = Patron(app, app.m_Loop);
    if (patron[kKind] <= 0.0f) {
      app.m_TmpN = app.m_Loop;
      continue;
    }
    app.m_TmpP += 1;
    const int counter = std::clamp(zu_f2i(patron[kPatronCounter]), 1, kCounters);
    perCounter[counter] += 1;
    const float y = PatronY(patron[kPatronCounter]);
    if (patron[kDrink] == 0.0f) {
      patron[kPatronX] += patron[kWalkSpeed];
    } else if (!Drink(app, patron, y)) {
      continue;  // gone out of the door: neither drawn nor catching any more
    }
    if (patron[kPatronX] > TapsEnd()) {
      patron[kPatronX] = TapsEnd();
      app.m_Dead = 1;
    }
    app.p_DrawGfx(patron[kPatronX], y, kPatronSprite + zu_f2i(patron[kKind]));
    if (patron[kDrink] != 0.0f) {
      app.p_DrawGfx(patron[kPatronX], y + 8.0f, GlassSprite(patron[kDrink]));
    }
    CatchGlasses(app, patron, y);
  }
}

// One patron at most enters per update while the bar holds fewer than the thirst allows,
// on a counter that has room (after 100 tries, wherever the next draw says).
void NewPatron(c_MyApp& app, const int (&perCounter)[kCounters + 1]) {
  float& thirst = app.m_Player[kThirst];
  int allowed = 1;
  if (thirst > 4.0f) allowed = 2;
  if (thirst > 8.0f) allowed = 3;
  if (thirst > kMostThirst) thirst = kMostThirst;
  if (static_cast<float>(app.m_TmpP) >= std::floor(thirst) || app.m_TmpN < 0) return;
  float* patron = Patron(app, app.m_TmpN);
  patron[kKind] = static_cast<float>(app.p_Rand(1.0f, 4.0f));
  patron[kPatronX] = 0.0f;
  int counter = app.p_Rand(1.0f, 4.0f);
  for (int draws = 1; perCounter[counter] >= allowed && draws <= kCounterDraws; ++draws) {
    counter = app.p_Rand(1.0f, 4.0f);
  }
  patron[kPatronCounter] = static_cast<float>(counter);
  patron[kDrink] = 0.0f;
  patron[kWalkSpeed] = 0.25f + zu_random_Rnd() * 0.5f;
}

void DrawCounters(c_MyApp& app) {
  app.p_SetSize(1.0f);
  app.p_Alpha(1.0f);
  for (int c = 1; c <= kCounters; ++c) {
    const float top = CounterTop(static_cast<float>(c));
    app.p_SetCol(120.0f, 60.0f, 0.0f);
    app.p_Rect(16.0f, top, zu_Quor_jscrw - 132.0f, 24.0f);
    app.p_SetCol(140.0f, 70.0f, 0.0f);
    app.p_Rect(14.0f, top - 8.0f, zu_Quor_jscrw - 128.0f, 12.0f);
  }
}

// A breaking glass: a spray of white splinters and a life lost. `pickKind` draws each
// splinter's kind after its speed and angle.
template <typename PickKind>
void BreakGlass(c_MyApp& app, const float* glass, PickKind pickKind) {
  app.p_PlaySFX(kBreakSound);
  for (app.m_TmpO = 0; app.m_TmpO < kBreakSparks; ++app.m_TmpO) {
    const float speed = 2.0f + zu_random_Rnd() * 4.0f;
    const float angle = 2.0f + zu_random_Rnd() * 94.0f;
    const int kind = pickKind();
    app.p_ThrowParticle(glass[kGlassX], glass[kGlassY], kind, 9, angle, speed);
  }
  app.m_Player[kLives] -= 1.0f;
}

void UpdateGlasses(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  for (int n = 1; n <= kGlasses; ++n) {
    float* glass = Glass(app, n);
    app.p_SetCol(255.0f, 255.0f, 255.0f);
    app.p_SetSize(2.0f);
    const float contents = glass[kContents];
    if (contents > 0.0f) {
      glass[kGlassX] -= kFullGlassSlide;
      if (glass[kGlassX] < kDoorX) {
        glass[kContents] = 0.0f;
        BreakGlass(app, glass, [] { return zu_f2i(std::floor(1.0f + zu_random_Rnd() * 1.99f)); });
      }
      app.p_DrawGfx(glass[kGlassX], glass[kGlassY], GlassSprite(contents));
    } else if (contents == kEmptyGlass) {
      glass[kGlassX] += kEmptyGlassSlide;
      if (glass[kGlassX] > TapsEnd()) {
        const bool atHisCounter = std::fabs(glass[kGlassY] - player[kBartenderY]) < 32.0f;
        if (atHisCounter && player[kBartenderSprite] != kPouringSprite) {
          app.p_PlaySFX(kCatchAtTapSound);
          app.m_Score += kGlassCaughtPoints;
        } else {
          BreakGlass(app, glass, [&app] { return app.p_Rand(1.0f, 2.0f); });
        }
        glass[kContents] = 0.0f;
      }
      app.p_DrawGfx(glass[kGlassX], glass[kGlassY], kEmptyGlassSprite);
    }
  }
}

// The drinks in hand once more, over the counters.
void DrawDrinksInHand(c_MyApp& app) {
  for (int k = 0; k < kPatrons; ++k) {
    const float* patron = Patron(app, k);
    if (patron[kKind] <= 0.0f || patron[kDrink] == 0.0f) continue;
    app.p_DrawGfx(patron[kPatronX], PatronY(patron[kPatronCounter]) + 8.0f,
                  GlassSprite(patron[kDrink]));
  }
}

void DrawLives(c_MyApp& app) {
  if (app.m_HideHud != 0) return;
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(2.0f);
  for (int i = 1; i <= 3; ++i) {
    const bool kept = static_cast<float>(i) <= app.m_Player[kLives];
    app.p_DrawImg(0, zu_Quor_jscrw - 72.0f + 24.0f * static_cast<float>(i - 1), 24.0f,
                  kept ? kFullGlassSprite : kEmptyGlassSprite);
  }
}

}  // namespace

int c_MyApp::p_LoadGame_Soda() {
  p_FreshGame();
  m_Player[kCounter] = 2.0f;
  m_Player[kThirst] = 1.0f;
  m_Player[kLives] = 3.0f;
  return 0;
}

int c_MyApp::p_Game_Soda() {
  p_DoBG();
  p_ResetDraw();
  p_StepCamera(0.125f);
  p_AnalogueControl();
  m_TmpF = zu_f2i(RowHeight());

  DrawRoom(*this);
  Bartender(*this);
  PauseAndSend(*this);
  int perCounter[kCounters + 1] = {};
  UpdatePatrons(*this, perCounter);
  NewPatron(*this, perCounter);
  DrawCounters(*this);
  UpdateGlasses(*this);
  DrawDrinksInHand(*this);
  p_DoParticles(1.0f);
  DrawLives(*this);
  if (m_Player[kLives] < 1.0f) m_Dead = 11;
  p_ScoreDisplay();
  return 0;
}
