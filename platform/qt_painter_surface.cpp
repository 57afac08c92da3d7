#include "platform/qt_painter_surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QTransform>
#include <algorithm>

namespace trimora {

namespace {

QColor ColorOf(Rgb color) { return QColor(color.r, color.g, color.b); }

QRectF RectOf(float x1, float y1, float x2, float y2) {
  return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

// The family by name; the hints steer the choice of a substitute on machines without it.
QFont FontFor(const std::string& name, float pointSize) {
  QFont font(QString::fromStdString(name));
  font.setPointSizeF(pointSize);
  const bool typewriter = name.find("Courier") != std::string::npos;
  font.setStyleHint(typewriter ? QFont::TypeWriter : QFont::SansSerif);
  if (name.find("Narrow") != std::string::npos) font.setStretch(QFont::Condensed);
  return font;
}

}  // namespace

QtPainterSurface::QtPainterSurface(QPainter& painter)
    : painter_(painter),
      device_(*painter.device()),
      font_(FontFor("Arial", 8)),
      // About one screen pixel, so that lines on a high-resolution page stay visible.
      penWidth_(std::max(1.0, device_.logicalDpiX() / 240.0)) {
  painter_.setRenderHint(QPainter::Antialiasing);
  PrepareDevice();
}

double QtPainterSurface::DeviceAspect() const {
  return double(device_.width()) / double(device_.height());
}

void QtPainterSurface::SetScale(const UserScale& scale) {
  scale_ = scale;
  const double sx = device_.width() / double(scale.width);
  const double sy = device_.height() / double(scale.height);
  painter_.setTransform(QTransform(sx, 0, 0, sy, -scale.left * sx, -scale.top * sy));
}

void QtPainterSurface::Clear() {
  painter_.save();
  painter_.resetTransform();
  painter_.fillRect(QRect(0, 0, device_.width(), device_.height()), Qt::white);
  painter_.restore();
}

void QtPainterSurface::Line(float x1, float y1, float x2, float y2, Rgb color) {
  painter_.setPen(PenOf(color));
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPainterSurface::Box(float x1, float y1, float x2, float y2, Rgb color) {
  painter_.setPen(PenOf(color));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(RectOf(x1, y1, x2, y2));
}

void QtPainterSurface::FilledBox(float x1, float y1, float x2, float y2, Rgb color) {
  painter_.fillRect(RectOf(x1, y1, x2, y2), ColorOf(color));
}

void QtPainterSurface::SetFont(const std::string& name, float pointSize) {
  font_ = QFont(FontFor(name, pointSize), &device_);
}

// Text is drawn in device coordinates: under the user scale the glyphs would be stretched.
void QtPainterSurface::Text(float x, float y, const std::string& text) {
  const QPointF topLeft = painter_.transform().map(QPointF(x, y));
  const QFontMetricsF metrics(font_, &device_);
  painter_.save();
  painter_.resetTransform();
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
  painter_.drawText(topLeft + QPointF(0, metrics.ascent()), QString::fromLatin1(text));
  painter_.restore();
}

float QtPainterSurface::TextHeight(const std::string&) const {
  const QFontMetricsF metrics(font_, &device_);
  return float(metrics.height() * scale_.height / device_.height());
}

float QtPainterSurface::TextWidth(const std::string& text) const {
  const QFontMetricsF metrics(font_, &device_);
  return float(metrics.horizontalAdvance(QString::fromLatin1(text)) * scale_.width /
               device_.width());
}

void QtPainterSurface::NewPage() {
  if (auto* paged = dynamic_cast<QPagedPaintDevice*>(&device_)) {
    paged->newPage();
    PrepareDevice();
  }
}

void QtPainterSurface::PrepareDevice() {
  painter_.resetTransform();
  painter_.setClipRect(QRect(0, 0, device_.width(), device_.height()));
  SetScale(scale_);
}

QPen QtPainterSurface::PenOf(Rgb color) const {
  QPen pen(ColorOf(color));
  pen.setWidthF(penWidth_);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace trimora
