// Reads the shell's draw list back as commands, for tests that check what an update drew.
#pragma once

#include <vector>

#include "shell/my_app.h"

// One command: image number (or a negative shape kind), position, rotation, the two sizes,
// the frame, then the alpha and colour it was drawn with.
struct DrawnCommand {
  float kind, x, y, rot, sizeA, sizeB;
  int frame;
  float alpha, red, green, blue;
};

inline std::vector<DrawnCommand> DrawnCommands(const c_MyApp& app) {
  std::vector<DrawnCommand> out;
  for (int i = 0; i + 15 <= app.m_DrawCount; i += 15) {
    const float* c = app.m_DrawList.begin() + i;
    out.push_back({c[0], c[1], c[2], c[3], c[4], c[5], static_cast<int>(c[6]), c[7], c[10],
                   c[11], c[12]});
  }
  return out;
}
