// A renderer that records what the graphics module asks of it instead of drawing, so the
// module's forwarding can be checked without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "framework/graphics.h"

struct RendererCall {
  std::string name;
  std::vector<float> args;
  ZuSurface* surface = nullptr;

  bool operator==(const RendererCall& other) const {
    return name == other.name && args == other.args && surface == other.surface;
  }
};

inline std::ostream& operator<<(std::ostream& out, const RendererCall& call) {
  out << call.name << "(";
  for (size_t i = 0; i < call.args.size(); ++i) out << (i ? ", " : "") << call.args[i];
  return out << (call.surface ? ", surface)" : ")");
}

class RecordingGraphics : public ZuGraphics {
 public:
  RecordingGraphics() {
    width = 640;
    height = 480;
  }

  void SetColor(float r, float g, float b) override { Record("SetColor", {r, g, b}); }
  void SetAlpha(float a) override { Record("SetAlpha", {a}); }
  void SetBlend(int mode) override { Record("SetBlend", {static_cast<float>(mode)}); }
  void SetScissor(int x, int y, int w, int h) override {
    Record("SetScissor", {static_cast<float>(x), static_cast<float>(y), static_cast<float>(w),
                          static_cast<float>(h)});
  }
  void SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) override {
    ZuGraphics::SetMatrix(ix, iy, jx, jy, tx, ty);
    Record("SetMatrix", {ix, iy, jx, jy, tx, ty});
  }
  void DrawRect(float x, float y, float w, float h) override { Record("DrawRect", {x, y, w, h}); }
  void DrawLine(float x1, float y1, float x2, float y2) override {
    Record("DrawLine", {x1, y1, x2, y2});
  }
  void DrawOval(float x, float y, float w, float h) override { Record("DrawOval", {x, y, w, h}); }
  void DrawSurface(ZuSurface* s, float x, float y) override { Record("DrawSurface", {x, y}, s); }
  void DrawSurface2(ZuSurface* s, float x, float y, int srcx, int srcy, int srcw,
                    int srch) override {
    Record("DrawSurface2",
           {x, y, static_cast<float>(srcx), static_cast<float>(srcy), static_cast<float>(srcw),
            static_cast<float>(srch)},
           s);
  }

  // Names of the recorded calls, in order.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const RendererCall& call : calls) names.push_back(call.name);
    return names;
  }

  std::vector<RendererCall> calls;

 private:
  void Record(const char* name, std::vector<float> args, ZuSurface* surface = nullptr) {
    calls.push_back({name, std::move(args), surface});
  }
};
