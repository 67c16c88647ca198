// A delegate for the host's tests: it writes every call it receives into a log shared with
// the test, one readable line per call ("KeyDown 37", "MouseDown 0 12.5 3", "Update"), and
// runs an optional action inside each update.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "host/delegate.h"

using CallLog = std::vector<std::string>;

inline std::string EventName(int event) {
  static const char* const kNames[] = {"?",       "KeyDown",   "KeyUp",   "KeyChar",
                                       "MouseDown", "MouseUp", "MouseMove", "TouchDown",
                                       "TouchUp", "TouchMove", "MotionAccel"};
  return event >= 1 && event <= 10 ? kNames[event] : "Event" + std::to_string(event);
}

class RecordingDelegate : public ZuGameDelegate {
 public:
  explicit RecordingDelegate(CallLog* log) : log_(log) {}

  std::function<void()> onUpdate;
  std::function<void()> onRender;

  void StartGame() override { log_->push_back("Start"); }
  void SuspendGame() override { log_->push_back("Suspend"); }
  void ResumeGame() override { log_->push_back("Resume"); }
  void UpdateGame() override {
    log_->push_back("Update");
    if (onUpdate) onUpdate();
  }
  void RenderGame() override {
    log_->push_back("Render");
    if (onRender) onRender();
  }
  void KeyEvent(int event, int data) override {
    log_->push_back(EventName(event) + " " + std::to_string(data));
  }
  void MouseEvent(int event, int data, float x, float y) override {
    log_->push_back(Line(event, data, {x, y}));
  }
  void TouchEvent(int event, int data, float x, float y) override {
    log_->push_back(Line(event, data, {x, y}));
  }
  void MotionEvent(int event, int data, float x, float y, float z) override {
    log_->push_back(Line(event, data, {x, y, z}));
  }
  void DiscardGraphics() override { log_->push_back("DiscardGraphics"); }

 private:
  static std::string Line(int event, int data, std::initializer_list<float> values) {
    std::ostringstream line;
    line << EventName(event) << ' ' << data;
    for (float value : values) line << ' ' << value;
    return line.str();
  }

  CallLog* log_;
};
