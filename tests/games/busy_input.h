// A fixed pattern of busy play input, the same for every game: fire in bursts, up and down
// now and then, long sweeps left and right, and short clicks across the screen — enough for
// every game to move, shoot, jump and end. Used by the all-games test and the per-update
// game benchmark.
#pragma once

#include "framework/input.h"

class BusyInput {
 public:
  explicit BusyInput(c_InputDevice* input) : input_(input) {}

  // Presses and releases what the pattern holds at this update.
  void Apply(int update) {
    Hold(kSpace, update % 40 < 12);
    Hold(kUp, update % 90 >= 30 && update % 90 < 45);
    Hold(kDown, update % 150 >= 100 && update % 150 < 110);
    Hold(kLeft, update % 200 < 60);
    Hold(kRight, update % 200 >= 100 && update % 200 < 160);
    const bool click = update % 120 >= 60 && update % 120 < 70;
    if (click != pointerDown_) {
      const float x = static_cast<float>(40 + (update * 37) % 560);
      const float y = static_cast<float>(40 + (update * 53) % 400);
      input_->p_MouseEvent(click ? kMouseDown : kMouseUp, 0, x, y);
      pointerDown_ = click;
    }
  }

  // Lets go of every key the pattern holds.
  void ReleaseAll() {
    for (int key = 0; key < 256; ++key) Hold(key, false);
  }

 private:
  static constexpr int kKeyDown = 1, kKeyUp = 2, kMouseDown = 4, kMouseUp = 5;
  static constexpr int kSpace = 32, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

  void Hold(int key, bool down) {
    if (held_[key] == down) return;
    held_[key] = down;
    input_->p_KeyEvent(down ? kKeyDown : kKeyUp, key);
  }

  c_InputDevice* input_;
  bool held_[256] = {};
  bool pointerDown_ = false;
};
