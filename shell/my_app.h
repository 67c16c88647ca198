// The collection's one application object. It owns every piece of shell and game state as
// plain fields and fixed-size arrays; its methods are spread over shell/ (one file per
// concern) and games/ (one file per game). Nothing is drawn during an update: drawing
// methods append commands to the draw list, which the render hook replays.
#pragma once

#include "framework/app.h"
#include "framework/audio.h"
#include "framework/graphics_image.h"
#include "host/array.h"
#include "host/string.h"

// Marks an omitted optional Float argument (anything at or below it counts as omitted), an
// absent touch coordinate, and the rectangle kind in the draw list.
constexpr float ZU_OMITTED = -3717.0f;
constexpr float ZU_DRAW_RECT = -3717.0f;
constexpr float ZU_DRAW_OVAL = -3716.0f;
constexpr float ZU_DRAW_LINE = -3715.0f;

// The tunes, numbered as m_Tune holds them: the menu's theme and one per family of games.
enum ZuTune : int {
  ZU_TUNE_NONE = 0,
  ZU_TUNE_THEME,
  ZU_TUNE_BLAST,
  ZU_TUNE_SKIES,
  ZU_TUNE_BOUNCE,
  ZU_TUNE_PUZZLE,
  ZU_TUNE_CHASE,
  ZU_TUNE_SPORT,
  ZU_TUNE_COUNT
};

inline bool zu_IsOmitted(float value) { return value <= ZU_OMITTED; }

// How far the camera moved in one update, for the snow and stars that drift with it.
struct ZuCameraStep {
  float dx, dy;
};

class c_MyApp : public c_App {
 public:
  int m_Platform = 0;  // controller glyph set: 0 keyboard glyphs, 1 joypad glyphs (set by p_OnCreate when zu_Quor_isConsole is 1; the menu sets it when a game starts: 1 from a joypad, 0 from the keyboard)
  int m_Fullscreen = 0;  // 1 while the window is fullscreen
  int m_JinglePlayed = 0;  // 1 once the start-up sound has played during loading
  int m_StarCount = 100;  // number of star records in use
  Array<float> m_Stars;  // [5100] star records, 10 Floats each
  int m_Mode = 0;  // top-level mode of p_OnUpdate
  int m_DevW = 0;  // device width seen by the last render
  int m_DevH = 0;  // device height seen by the last render
  float m_AccelBaseX = 0;  // accelerometer rest position x
  float m_AccelBaseY = 0;  // accelerometer rest position y
  float m_ClsR = 0;  // screen fill colour red
  float m_ClsG = 0;  // screen fill colour green
  float m_ClsB = 0;  // screen fill colour blue
  float m_ClsA = 0;  // screen fill alpha
  int m_ImgRes = 0;  // art resolution tier 1, 2 or 4
  float m_ImgScale = 0;  // 1/m_ImgRes, applied to every image drawn
  Array<c_Image*> m_Images;  // [100] loaded images by index
  Array<int> m_ImgInfo;  // [300] per image i: [3i] width, [3i+1] height, [3i+2] frames
  int m_Font = 0;  // image index of the text font
  int m_ReloadPending = 0;  // loader step, 0 = nothing to load
  int m_MenuSlide = 0;  // menu slide-in counter; p_InGame sets it back to -32
  int m_TmpU = 0;  // scratch
  int m_Paused = 0;  // 1 while the pause menu is open
  int m_PauseState = 0;  // pause menu state
  int m_PauseY = 0;  // pause panel position
  int m_Loop = 0;  // shared loop counter
  Array<int> m_BadgeA;  // [15] badge display data
  Array<int> m_BadgeB;  // [15] badge display data
  Array<bool> m_Badges;  // [256] badge flags
  Array<int> m_Keys;  // [20] virtual control slots
  Array<int> m_Options;  // [25] option values; slot 5 sound mode (1 after p_OnCreate)
  Array<int> m_Highscores;  // [1300] score tables
  int m_TmpA = 0;  // scratch
  int m_TmpB = 0;  // scratch
  int m_TmpC = 0;  // scratch
  int m_TmpD = 0;  // scratch (score line: score to beat)
  int m_TmpE = 0;  // scratch (score tables: base index)
  int m_TmpF = 0;  // scratch
  Array<int> m_Channels;  // [33] sound channel numbers
  int m_FitMode = 0;  // 1 width-fitted, 2 height-fitted virtual screen
  int m_MenuSel = 0;  // menu selection 1..26 (p_OnCreate sets it to the game of the day; the menu moves it)
  int m_LastRenderMs = 0;  // time of the last render
  int m_RenderFps = 0;  // 1000 / render interval
  int m_RenderFpsAvg = 0;  // smoothed render rate
  float m_ScaleX = 0;  // device pixels per virtual unit, x
  float m_ScaleY = 0;  // device pixels per virtual unit, y
  int m_Landscape = 0;  // 1 when zu_Quor_jscrh <= zu_Quor_jscrw
  int m_DrawCount = 0;  // Floats used in the draw list
  Array<float> m_DrawList;  // [37500] the draw list
  int m_TmpG = 0;  // scratch (iCade character, score-line rank index, option box)
  int m_HideHud = 0;  // toggled by F2; hides the score line and the pause button
  int m_Tune = 0;  // music tune playing (a ZuTune), 0 none
  Array<c_Sound*> m_Tunes;  // [ZU_TUNE_COUNT] the loaded tunes by number, decoded ahead so a change never stalls a frame
  int m_LastUpdateMs = 0;  // time of the last update
  int m_UpdateFps = 0;  // 1000 / update interval
  int m_UpdateFpsAvg = 0;  // smoothed update rate
  int m_MouseX = 0;  // pointer x in virtual units
  int m_OldMouseX = 0;  // pointer x of the previous update
  int m_MouseY = 0;  // pointer y in virtual units
  int m_OldMouseY = 0;  // pointer y of the previous update
  int m_WasDown = 0;  // pointer button state of the previous update
  int m_TouchDown = 0;  // 1 while the pointer button or any touch is down
  int m_MouseHit = 0;  // pointer-button presses counted this update
  Array<int> m_TouchOn;  // [10] touch point i is down
  Array<int> m_TouchX;  // [10] touch point x (-3717 when up)
  Array<int> m_TouchY;  // [10] touch point y (-3717 when up)
  int m_TouchLatch = 0;  // a touch or click was consumed; cleared when nothing is down
  int m_Countdown = 0;  // decremented by 1 per update while positive
  int m_KeyLatch = 0;  // a control-key press was consumed; cleared when no control key is down
  int m_CreditsOpen = 0;  // credits box open
  int m_OptionsOpen = 0;  // options box open
  int m_BadgesOpen = 0;  // badges box open
  float m_BgR = 0;  // background red, current
  float m_BgTR = 0;  // background red, target
  float m_BgG = 0;  // background green, current
  float m_BgTG = 0;  // background green, target
  float m_BgB = 0;  // background blue, current
  float m_BgTB = 0;  // background blue, target
  float m_ViewX = 0;  // play area x
  float m_ViewY = 0;  // play area y
  float m_ViewW = 0;  // play area width
  float m_ViewH = 0;  // play area height
  float m_SizeX = 0;  // current draw scale x
  float m_SizeY = 0;  // current draw scale y
  float m_Rot = 0;  // current draw rotation (stored negated)
  float m_ColR = 0;  // current draw red
  float m_ColG = 0;  // current draw green
  float m_ColB = 0;  // current draw blue
  float m_Alpha = 0;  // current draw alpha
  int m_Blend = 0;  // current blend: 1 normal, 3 additive
  float m_MenuW = 0;  // menu panel width
  int m_UnlockOverride = 0;  // 0..26; 0 = the calendar decides how many games are open
  int m_Game = 0;  // current game 1..26 (A..Z)
  int m_TmpH = 0;  // scratch
  String m_Title1;  // catalogue title, first line
  String m_Title2;  // catalogue title, second line
  String m_Blurb;  // catalogue description
  int m_TmpI = 0;  // scratch (box x positions)
  int m_TmpJ = 0;  // scratch (box y positions, banner offset)
  int m_TmpK = 0;  // scratch
  int m_ButtonHit = 0;  // result of the last on-screen button test
  int m_NextChannel = 0;  // round-robin sound channel
  Array<c_Sound*> m_Sounds;  // [100] sound effects by number
  int m_BadgeBoxA = 0;  // badge box state
  int m_BadgeBoxB = 0;  // badge box state
  int m_TmpL = 0;  // scratch
  int m_TmpM = 0;  // scratch
  int m_Loop2 = 0;  // second shared loop counter
  Array<float> m_MenuCards;  // [500] menu cards, 10 Floats per card n = 1..26
  Array<float> m_Player;  // [1012] per-game state block
  int m_StartPad = 0;  // joypad 0..3 that started the game, 0 for the keyboard
  int m_OptSel = 0;  // option box selection
  int m_NewRank = 0;  // place 0..9 of the last score in its top-10 table, -1 none; p_WaitStart reuses it for min(jscrw, jscrh)
  int m_Score = 0;  // score of the game in progress
  int m_Spin = 0;  // loading-spinner angle in degrees
  float m_ScrollX = 0;  // camera x offset subtracted when particles are drawn; cleared at game start
  float m_ScrollTX = 0;  // camera x target (the fallback game eases m_ScrollX toward it by 1/8); cleared at game start
  float m_ScrollY = 0;  // camera y offset subtracted when particles are drawn; cleared at game start
  float m_ScrollTY = 0;  // camera y target; cleared at game start
  float m_StickX = 0;  // analogue direction x -1..1
  float m_StickY = 0;  // analogue direction y -1..1
  int m_AnchorX = 0;  // touch-stick anchor x, -1 none
  int m_AnchorY = 0;  // touch-stick anchor y
  float m_KeyStickY = 0;  // key-driven stick y
  float m_KeyStickX = 0;  // key-driven stick x
  int m_TmpN = 0;  // scratch
  int m_Dead = 0;  // set positive by a game to start the game-over sequence
  int m_TmpO = 0;  // scratch
  int m_ParticleCount = 250;  // particle records in use
  Array<float> m_Particles;  // [5100] particle records, 10 Floats each
  int m_ShownScore = 0;  // score as displayed
  int m_Lives = 0;  // hearts shown by the score line
  Array<float> m_Map;  // [5000000] large shared game-state array
  int m_TmpP = 0;  // scratch
  float m_GfxW = 480;  // 640 once a game is loaded; graphics show
  int m_TmpQ = 0;  // scratch
  int m_TmpR = 0;  // scratch
  int m_TmpS = 0;  // scratch
  int m_TmpT = 0;  // scratch
  int m_PauseSel = 0;  // pause menu highlighted button: -1 quit, 0 resume, 1 options
  float m_PauseOpt = 0;  // spin angle of the options gear (pause menu and options box)
  int m_GameOverTime = 0;  // frames of the game-over sequence
  int m_CreditsSlide = 0;  // 0..30 slide-in counter of the credits box
  int m_CreditCols = 0;  // credits test-card grid columns
  int m_CreditRows = 0;  // credits test-card grid rows
  float m_CreditScroll = 0;  // credits text scroll offset
  int m_CreditLine = 0;  // index of the credit line at the scroll origin
  int m_OptionsSlide = 0;  // 0..30 slide-in counter of the options box
  int m_OptKeyLatch = 0;  // options box key latch
  int m_OptTouchLatch = 0;  // options box touch latch
  int m_PadX = 0;  // on-screen pad centre x
  int m_PadY = 0;  // on-screen pad centre y
  float m_PadScale = 0;  // on-screen pad scale
  float m_TiltX = 0;  // tilt x
  float m_TiltY = 0;  // tilt y
  float m_TiltSmoothX = 0;  // smoothed tilt x
  float m_TiltSmoothY = 0;  // smoothed tilt y
  int m_FrozenDrawCount = 0;  // floats of the game's last frame, replayed under the pause menu
  int m_SaveNoticeUpdates = 0;  // updates left to show that progress could not be saved

  c_MyApp();
  c_MyApp* m_new();
  void mark() override;

  // --- hooks (shell/app_hooks.cpp) ---
  int p_OnCreate() override;
  int p_OnSuspend() override;
  int p_OnResume() override;
  int p_OnUpdate() override;
  int p_OnRender() override;
  // Helpers of the hooks: each is one step of start-up, the update or a focus change.
  int p_FeaturedGame();
  int p_FunctionKeys();
  int p_SamplePointer();
  int p_UpdateLatches();
  int p_RunMode();
  int p_RunOverlays();
  int p_DebugLine();
  int p_PauseForFocusChange();

  // --- loader and screen fit (shell/loader.cpp, shell/screen_fit.cpp) ---
  int p_Reload();
  int p_Loader();
  int p_WaitStart(int flag);
  int p_LoadImg(int index, const String& path, int width, int height, int frames, int flags);
  int p_LoadFont(int index, const String& path, int advance, int height);
  int p_FullscreenFlip();
  // Helpers of the loader and the screen fit.
  int p_ChooseArtTier();
  String p_ArtFile(const String& path);
  int p_LoaderStep(int step);
  int p_SpinnerDots(float red, float green, float blue, float startAngle);
  int p_FitScreen();

  // --- drawing toolkit (shell/draw_state.cpp, shell/draw_list.cpp, shell/draw_replay.cpp,
  //     shell/frame_start.cpp, shell/text.cpp, shell/star_field.cpp, shell/score_line.cpp) ---
  int p_ResetDraw();
  int p_SetSize(float x, float y = ZU_OMITTED);
  int p_SetRot(float angle);
  int p_Alpha(float alpha);
  int p_SetCol(float r, float g, float b, float a = ZU_OMITTED);
  int p_Ink(int colour, float brightness = 1.0f);
  int p_SetBG(int colour, float brightness = 1.0f);
  int p_CLS2D(float r = ZU_OMITTED, float g = 0.0f, float b = 0.0f, float a = 1.0f);
  int p_DoBG();
  int p_DrawImg(int image, float x, float y, int frame = 0);
  int p_DrawGfx(float x, float y, int sprite);
  int p_Rect(float x, float y, float w, float h);
  int p_Oval(float x, float y, float rx, float ry);
  int p_Text(float x, float y, const String& text, float alignX, float alignY = 1.0f);
  String p_rstr(int value, int width, const String& pad);
  String p_Nth(int n);
  String p_MyNth();
  int p_ScoreDisplay(int hearts = 0);
  int p_ResetStars(int count);
  int p_DoStars(float dx, float dy);
  int p_DoSnow(float dx, float dy);
  int p_GfxShow(int frame, int bright);
  // Replays the draw list through the graphics module (called by the render hook).
  int p_ReplayDrawList();

  // --- controls (shell/controls.cpp, shell/analogue_control.cpp, shell/hit_tests.cpp,
  //     shell/icade.cpp, shell/onscreen_pad.cpp) ---
  int p_PlayKey(int control, int analog, int player = 0);
  int p_PlayKeyAll(int control, int analog);
  float p_StickX(int axis, int player);
  float p_StickY(int axis, int player);
  int p_AnalogueControl();
  int p_Button(int image, float x, float y, int frame);
  int p_Button0(int image, float x, float y, int frame);
  int p_Touch(float x, float y, float w, float h);
  int p_MouseIn(float x, float y, float w, float h);
  int p_MouseIn_Centered(float x, float y, float w, float h);
  int p_iCade(int mode);
  // Update steps 12 and 14; each checks its own switch, so the update may call them always.
  int p_iCadeUpdate();
  int p_OnScreenPad();
  int p_TiltInput();

  // --- particles and sound effects (shell/particles.cpp, shell/sound_effects.cpp) ---
  int p_ResetParticles(int count);
  int p_FreeParticle();
  int p_AddParticle(int kind, float x, float y, float vx, float vy, int frame, int colour, int life);
  int p_ThrowParticle(float x, float y, int kind, int colour, float angle = ZU_OMITTED,
                      float speed = ZU_OMITTED);
  int p_Gimme(int points, float x, float y);
  int p_DoParticles(float scale);
  int p_LoadSFX(int n);
  int p_PlaySFX(int n, float rate = 1.0f, float volume = 1.0f, float pan = 0.0f);
  int p_StopTune();
  int p_LoadTune(int tune);
  int p_GameTune(int game);
  int p_WantedTune();
  int p_UpdateMusic();
  int p_Rand(float lo, float hi);

  // --- menu and catalogue (shell/menu.cpp, shell/catalogue.cpp, shell/menu_title.cpp,
  //     shell/menu_scores.cpp, shell/menu_cards.cpp, shell/menu_input.cpp) ---
  int p_GameID(int n);
  int p_Menu();
  // Helpers of the menu frame: the open-game count, then one step of the frame each.
  int p_OpenGames();
  int p_MenuUnlockOverride();
  int p_MenuBack();
  int p_MenuTitle(int picture);
  int p_MenuScores();
  int p_MenuCards(int openGames);
  int p_MenuKeyRepeat();
  int p_MenuStart(int openGames);
  int p_MenuBoxButtons();
  int p_MenuDrag();
  // 1 while the credits, options or badges box is open over the menu.
  int p_AnyBoxOpen();

  // --- game flow (shell/game_flow.cpp, shell/pause_menu.cpp, shell/game_over.cpp) ---
  int p_FreshGame();
  int p_ResetPlayers();
  int p_Game();
  // The camera closes `share` of the distance to its target; returns the step it took.
  ZuCameraStep p_StepCamera(float share);
  int p_InGame();
  int p_PauseMenu();
  int p_GameOver();
  int p_LoadMenu();
  int p_ConsoleQuit();
  // Runs the current game's start operation (mode 11) or per-update operation (mode 10).
  int p_StartCurrentGame();
  int p_UpdateCurrentGame();

  // --- saved progress (shell/saved_progress.cpp) ---
  int p_Save();
  int p_Load();
  // Keeps loaded options within their limits and applies the overscan option.
  int p_LimitOptions();
  // The notice that the last save failed, drawn over everything while it lasts
  // (shell/save_notice.cpp).
  int p_SaveNotice();

  // --- badges (shell/badges.cpp) ---
  String p_BadgeID(int id);
  String p_BadgeName(int id);
  String p_BadgeDetail(int id);
  int p_ShowBadges();
  int p_BadgesBox();

  // --- options and credits (shell/options_box.cpp, shell/credits_box.cpp) ---
  int p_OptionBox();
  int p_CreditBox();
  // Helpers of the two boxes: the options' back button, its rows, its console overscan bar
  // and its key navigation; the credits' test-card grid, scrolling lines and corner badges.
  int p_OptionBackButton(int slide);
  int p_OptionRows(int slide);
  int p_OptionOverscanBar(int slide);
  int p_OptionKeys();
  int p_CreditGrid(float cell, float cellSize, int slide);
  int p_CreditLines(int slide);
  int p_CreditBadges(float cell, float cellSize, int slide);

  // --- the games (games/<name>.cpp); each game may add its own helpers below its pair ---
  int p_LoadGame_Abstract();
  int p_Game_Abstract();
  int p_Add_Abstract();

  int p_LoadGame_Vever();
  int p_Game_Vever();
  int p_Next_Vever(int slot, float dx, float dy, int kind);

  int p_LoadGame_Chaos();
  int p_Game_Chaos();
  int p_More_Chaos();
  int p_Fire_Chaos();

  int p_LoadGame_Detonation();
  int p_Game_Detonation();
  int p_Level_Detonation();

  int p_LoadGame_Dudazevuva2();
  int p_Game_Dudazevuva2();
  int p_AddWave_Dudazevuva2();

  int p_LoadGame_Flappy();
  int p_Game_Flappy();

  int p_LoadGame_Golfing();
  int p_Game_Golfing();
  int p_Get_Golfing();

  int p_LoadGame_Hover();
  int p_Game_Hover();
  int p_Add_Hover();
  int p_Add_Hover2();
  int p_Spike_Hover(float x, float y);

  int p_LoadGame_Ice();
  int p_Game_Ice();

  int p_LoadGame_Jetpac();
  int p_Game_Jetpac();
  int p_GetLev_Jetpac();

  int p_LoadGame_Karate();
  int p_Game_Karate();

  int p_LoadGame_NotSame();
  int p_Game_NotSame();
  int p_GetLev_NotSame();
  int p_NowAt_NotSame(int x, int y);
  int p_Drop_NotSame(int x, int y);

  int p_LoadGame_Map();
  int p_Game_Map();
  int p_Make_Map();

  int p_LoadGame_Numbers();
  int p_Game_Numbers();
  int p_Get_Numbers();

  int p_LoadGame_Octopus();
  int p_Game_Octopus();
  int p_NewMap_Octopus();
  int p_Add_Octopus(int x, int y);
  int p_Add2_Octopus(int x, int y);
  static int m_WhichWayDoIGo(float a, float b, int lo, int hi);

  int p_LoadGame_Penguin();
  int p_Game_Penguin();
  int p_GetLev_Penguin();

  int p_LoadGame_Qubic();
  int p_Game_Qubic();
  int p_Level_Qubic();

  int p_LoadGame_Roller();
  int p_Game_Roller();
  int p_GetLev_Roller();

  int p_LoadGame_Soda();
  int p_Game_Soda();

  int p_LoadGame_Tower();
  int p_Game_Tower();

  int p_LoadGame_Umbrella();
  int p_Game_Umbrella();

  int p_LoadGame_Jump();
  int p_Game_Jump();
  int p_More_Jump();
  int p_More2_Jump();

  int p_LoadGame_Waves();
  int p_Game_Waves();
  int p_Add_Waves(float x, float y, int direction, float speed, int kind);
  int p_Launch_Waves(int mode);
  int p_Launch_Waves2();

  int p_LoadGame_Xplode();
  int p_Game_Xplode();

  int p_LoadGame_Yahtzee();
  int p_Game_Yahtzee();
  int p_Next_Yahtzee();
  int p_Score_Yahtzee(int d1, int d2, int d3, int d4, int d5, float x, float y);
  int p_Magic_Yahtzee(float x, float y, int value);

  int p_LoadGame_Zone();
  int p_Game_Zone();
  int p_More_Zone();
};
