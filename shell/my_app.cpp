#include "shell/my_app.h"

// Every array field is created once here and never replaced.
c_MyApp::c_MyApp() {
  gc_assign(m_Stars, Array<float>(5100));
  gc_assign(m_Images, Array<c_Image*>(100));
  gc_assign(m_ImgInfo, Array<int>(300));
  gc_assign(m_BadgeA, Array<int>(15));
  gc_assign(m_BadgeB, Array<int>(15));
  gc_assign(m_Badges, Array<bool>(256));
  gc_assign(m_Keys, Array<int>(20));
  gc_assign(m_Options, Array<int>(25));
  gc_assign(m_Highscores, Array<int>(1300));
  gc_assign(m_Channels, Array<int>(33));
  gc_assign(m_DrawList, Array<float>(37500));
  gc_assign(m_TouchOn, Array<int>(10));
  gc_assign(m_TouchX, Array<int>(10));
  gc_assign(m_TouchY, Array<int>(10));
  gc_assign(m_Sounds, Array<c_Sound*>(100));
  gc_assign(m_Tunes, Array<c_Sound*>(ZU_TUNE_COUNT));
  gc_assign(m_MenuCards, Array<float>(500));
  gc_assign(m_Player, Array<float>(1012));
  gc_assign(m_Particles, Array<float>(5100));
  gc_assign(m_Map, Array<float>(5000000));
}

c_MyApp* c_MyApp::m_new() {
  c_App::m_new();
  return this;
}

void c_MyApp::mark() {
  gc_mark_q(m_Stars);
  gc_mark_q(m_Images);
  gc_mark_q(m_ImgInfo);
  gc_mark_q(m_BadgeA);
  gc_mark_q(m_BadgeB);
  gc_mark_q(m_Badges);
  gc_mark_q(m_Keys);
  gc_mark_q(m_Options);
  gc_mark_q(m_Highscores);
  gc_mark_q(m_Channels);
  gc_mark_q(m_DrawList);
  gc_mark_q(m_TouchOn);
  gc_mark_q(m_TouchX);
  gc_mark_q(m_TouchY);
  gc_mark_q(m_Sounds);
  gc_mark_q(m_Tunes);
  gc_mark_q(m_MenuCards);
  gc_mark_q(m_Player);
  gc_mark_q(m_Particles);
  gc_mark_q(m_Map);
}
