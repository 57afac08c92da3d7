#include "support/recording_surface.h"

namespace trimora {

using Kind = SurfaceCall::Kind;

RecordingSurface::RecordingSurface(int widthPixels, int heightPixels, float dpi)
    : widthPixels_(widthPixels), heightPixels_(heightPixels), dpi_(dpi) {}

double RecordingSurface::DeviceAspect() const { return double(widthPixels_) / heightPixels_; }

void RecordingSurface::SetScale(const UserScale& scale) {
  scale_ = scale;
  calls_.push_back({Kind::kScale, scale.left, scale.top, scale.width, scale.height});
}

void RecordingSurface::Clear() { calls_.push_back({Kind::kClear}); }

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Rgb color) {
  calls_.push_back({Kind::kLine, x1, y1, x2, y2, color});
}

void RecordingSurface::Box(float x1, float y1, float x2, float y2, Rgb color) {
  calls_.push_back({Kind::kBox, x1, y1, x2, y2, color});
}

void RecordingSurface::FilledBox(float x1, float y1, float x2, float y2, Rgb color) {
  calls_.push_back({Kind::kFilledBox, x1, y1, x2, y2, color});
}

void RecordingSurface::SetFont(const std::string& name, float pointSize) {
  pointSize_ = pointSize;
  calls_.push_back({Kind::kFont, 0, 0, 0, 0, {}, name, pointSize});
}

void RecordingSurface::Text(float x, float y, const std::string& text) {
  calls_.push_back({Kind::kText, x, y, x + TextWidth(text), y + TextHeight(text), {}, text});
}

float RecordingSurface::TextHeight(const std::string&) const {
  return EmPixels() * scale_.height / float(heightPixels_);
}

float RecordingSurface::TextWidth(const std::string& text) const {
  return float(text.size()) * 0.6f * EmPixels() * scale_.width / float(widthPixels_);
}

void RecordingSurface::NewPage() {
  ++pages_;
  calls_.push_back({Kind::kNewPage});
}

std::vector<SurfaceCall> RecordingSurface::CallsOf(Kind kind) const {
  std::vector<SurfaceCall> found;
  for (const SurfaceCall& call : calls_)
    if (call.kind == kind) found.push_back(call);
  return found;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> texts;
  for (const SurfaceCall& call : CallsOf(Kind::kText)) texts.push_back(call.text);
  return texts;
}

}  // namespace trimora
