#pragma once
// A drawing surface that only remembers what was asked of it, for tests. It behaves like a
// device of a fixed size in pixels whose text is one em high and whose characters are all
// six tenths of an em wide: a line of text at size p points is p × dpi ÷ 72 device pixels
// high, converted to user units by the current scale.

#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace trimora {

struct SurfaceCall {
  enum class Kind { kScale, kClear, kLine, kBox, kFilledBox, kFont, kText, kNewPage };
  Kind kind = Kind::kClear;
  float x1 = 0;  // kScale: left, top, width, height; kText: the text's box, as measured
  float y1 = 0;
  float x2 = 0;
  float y2 = 0;
  Rgb color;
  std::string text;  // kText: the text; kFont: the font name
  float size = 0;    // kFont: the point size
};

class RecordingSurface : public DrawingSurface {
 public:
  RecordingSurface(int widthPixels, int heightPixels, float dpi = 96);

  double DeviceAspect() const override;
  void SetScale(const UserScale& scale) override;
  UserScale Scale() const override { return scale_; }
  void Clear() override;
  void Line(float x1, float y1, float x2, float y2, Rgb color) override;
  void Box(float x1, float y1, float x2, float y2, Rgb color) override;
  void FilledBox(float x1, float y1, float x2, float y2, Rgb color) override;
  void SetFont(const std::string& name, float pointSize) override;
  void Text(float x, float y, const std::string& text) override;
  float TextHeight(const std::string& text) const override;
  float TextWidth(const std::string& text) const override;
  void NewPage() override;

  std::vector<SurfaceCall> CallsOf(SurfaceCall::Kind kind) const;
  // The texts drawn, in order.
  std::vector<std::string> Texts() const;
  int Pages() const { return pages_; }

 private:
  float EmPixels() const { return pointSize_ * dpi_ / 72; }

  int widthPixels_;
  int heightPixels_;
  float dpi_;
  UserScale scale_;
  float pointSize_ = 8;
  int pages_ = 1;
  std::vector<SurfaceCall> calls_;
};

}  // namespace trimora
