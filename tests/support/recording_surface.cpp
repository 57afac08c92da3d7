#include "support/recording_surface.h"

namespace trimora {

RecordingSurface::RecordingSurface(int widthPixels, int heightPixels, float dpi)
    : widthPixels_(widthPixels), heightPixels_(heightPixels), dpi_(dpi) {}

double RecordingSurface::DeviceAspect() const { return double(widthPixels_) / heightPixels_; }

void RecordingSurface::SetScale(const UserScale& scale) {
  scale_ = scale;
  Record(SurfaceCall::Kind::kScale, scale.left, scale.top, scale.width, scale.height, {});
}

void RecordingSurface::Clear() { Record(SurfaceCall::Kind::kClear, 0, 0, 0, 0, {}); }

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Rgb color) {
  Record(SurfaceCall::Kind::kLine, x1, y1, x2, y2, color);
}

void RecordingSurface::Box(float x1, float y1, float x2, float y2, Rgb color) {
  Record(SurfaceCall::Kind::kBox, x1, y1, x2, y2, color);
}

void RecordingSurface::FilledBox(float x1, float y1, float x2, float y2, Rgb color) {
  Record(SurfaceCall::Kind::kFilledBox, x1, y1, x2, y2, color);
}

void RecordingSurface::SetFont(const std::string& name, float pointSize) {
  pointSize_ = pointSize;
  SurfaceCall call;
  call.kind = SurfaceCall::Kind::kFont;
  call.text = name;
  call.size = pointSize;
  calls_.push_back(call);
}

void RecordingSurface::Text(float x, float y, const std::string& text) {
  SurfaceCall call;
  call.kind = SurfaceCall::Kind::kText;
  call.x1 = x;
  call.y1 = y;
  call.x2 = x + TextWidth(text);
  call.y2 = y + TextHeight(text);
  call.text = text;
  calls_.push_back(call);
}

float RecordingSurface::TextHeight(const std::string&) const {
  return EmPixels() * scale_.height / float(heightPixels_);
}

float RecordingSurface::TextWidth(const std::string& text) const {
  return float(text.size()) * 0.6f * EmPixels() * scale_.width / float(widthPixels_);
}

void RecordingSurface::NewPage() {
  ++pages_;
  Record(SurfaceCall::Kind::kNewPage, 0, 0, 0, 0, {});
}

std::vector<SurfaceCall> RecordingSurface::CallsOf(SurfaceCall::Kind kind) const {
  std::vector<SurfaceCall> found;
  for (const SurfaceCall& call : calls_)
    if (call.kind == kind) found.push_back(call);
  return found;
}

std::vector<std::string> RecordingSurface::Texts() const {
  std::vector<std::string> texts;
  for (const SurfaceCall& call : CallsOf(SurfaceCall::Kind::kText)) texts.push_back(call.text);
  return texts;
}

void RecordingSurface::Record(SurfaceCall::Kind kind, float x1, float y1, float x2, float y2,
                              Rgb color) {
  SurfaceCall call;
  call.kind = kind;
  call.x1 = x1;
  call.y1 = y1;
  call.x2 = x2;
  call.y2 = y2;
  call.color = color;
  calls_.push_back(call);
}

}  // namespace trimora
