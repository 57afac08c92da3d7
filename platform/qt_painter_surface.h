#pragma once
// The drawing surface over a QPainter: the screen picture, a printer, a PDF writer, an image
// or an SVG generator, whatever device the painter is active on. User coordinates map onto the
// whole device; text keeps its point size whatever the scale.

#include <QFont>
#include <QPainter>

#include "platform/drawing_surface.h"

namespace trimora {

class QtPainterSurface : public DrawingSurface {
 public:
  // The painter must be active; it stays owned by the caller, who ends it.
  explicit QtPainterSurface(QPainter& painter);

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
  // Starts a new page on paged devices (printer, PDF); others ignore it.
  void NewPage() override;

 private:
  void PrepareDevice();
  QPen PenOf(Rgb color) const;

  QPainter& painter_;
  QPaintDevice& device_;
  UserScale scale_;
  QFont font_;
  double penWidth_;
};

}  // namespace trimora
