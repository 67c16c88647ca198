// The game catalogue (titles and descriptions by game number) and how many games are open:
// during November and December 2014 the collection opened like an advent calendar.
#include "framework/app.h"
#include "shell/my_app.h"

namespace {

constexpr int kGames = 26;
constexpr int kFirstDigit = 27;
constexpr int kLastDigit = 36;
constexpr int kLockedEntry = 63;

struct CatalogueEntry {
  const char* title1;
  const char* title2;
  // The two characters backslash and n break the line when the text is drawn.
  const char* blurb;
};

const CatalogueEntry kCatalogue[kGames] = {
    {"Abstract", "Action", "Walk as far as you can\\n whilst avoiding the obstructions."},
    {"Bouncy", "Vever", "Guide Vever over the series\\n of moving platforms."},
    {"Caterpillar", "Chaos", "Destroy the Caterpillars,\\n before they destroy you!"},
    {"Destructive", "Detonation", "Try to destroy as much\\n as you can."},
    {"Exciting", "Encounter", "Fight off the enemy planes\\n and keep yourself refueled."},
    {"Flapping", "Duve", "Flap your way to success\\n or die trying."},
    {"Gone", "Golfin'", "Thwack the ball\\n into the hole."},
    {"Heli", "Hover", "Collect the Presents\\n and... Wibblon!!"},
    {"Ice", "Incident", "Bounce on the Couch!\\n Bouncy Bouncy Bounce!"},
    {"Junior", "Jumpjet", "Blast through the skies\\n and destroy all the enemy."},
    {"Karate", "Kerfuffle", "Kick, Punch\\n It's all in the mind..."},
    {"Leaping", "Lizard", "Guide the Lizard across\\n avoiding alike tiles."},
    {"Money", "Maze", "Grab the coins\\n and avoid the Monsters."},
    {"Numbing", "Numbers", "Destroy numbers so that\\n only the target total remains."},
    {"Ooooh", "Octopus!", "Clear the arena of bubbles\\n and avoid the Octopi."},
    {"Penguin", "Parade", "Get as many Penguins\\n home as you can."},
    {"Quriously", "Qubic", "Hop atop the Qubes\\n and light them all up."},
    {"Roller", "Runner", "Collect the Gummies\\n and avoid the Ants."},
    {"Soda", "Service", "Keep the patrons happy\\n by serving them drinks."},
    {"Tower", "Torment", "Keep the invading blobs at bay,\\n by throwing logs at them!"},
    {"Urgent :", "Umbrella", "Catch the rain\\n before it ruins the cement."},
    {"Volatile", "Velocity", "Keep the wheel from\\n hitting the bushes."},
    {"Warning:", "Waves", "Dodge the Asteroids\\n and collect the gifts."},
    {"Xplosion", "Xperiment", "Destroy all the Explosions\\n from within your Circle."},
    {"DAda", "Yahtzee", "Score whatever you can\\n as the Dice fall."},
    {"Vumbo in", "Zone Zero", "Guide Vumbo through\\n the maze of Platforms."},
};

const CatalogueEntry kLocked = {"Locked", "Game",
                                "This game is currently locked.\\n Try again later."};

// November 2014 showed only the first game; each day of December 2014 opened one more.
int OpenGamesOnDate(int year, int month, int day) {
  if (year == 2014 && month == 11) return 1;
  if (year == 2014 && month == 12) return day + 1 < kGames ? day + 1 : kGames;
  return kGames;
}

}  // namespace

int c_MyApp::p_GameID(int n) {
  const CatalogueEntry* entry = nullptr;
  if (n >= 1 && n <= kGames) {
    entry = &kCatalogue[n - 1];
  } else if (n == kLockedEntry) {
    entry = &kLocked;
  } else if (n >= kFirstDigit && n <= kLastDigit) {
    const String digit(n - kFirstDigit);
    m_Title1 = digit;
    m_Title2 = digit;
    m_Blurb = String();
    return 0;
  }
  // Any other number leaves the texts as they were.
  if (!entry) return 0;
  m_Title1 = String(entry->title1);
  m_Title2 = String(entry->title2);
  m_Blurb = String(entry->blurb);
  return 0;
}

// Games 1..count are open. A non-zero override (held down with fire 5 or 6 in the menu)
// replaces the calendar's count either way.
int c_MyApp::p_OpenGames() {
  if (m_UnlockOverride >= 1 && m_UnlockOverride <= kGames) return m_UnlockOverride;
  Array<int> date(7);
  zu_app_GetDate(date);
  return OpenGamesOnDate(date[0], date[1], date[2]);
}
