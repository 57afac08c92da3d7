#pragma once
// The surface a layout is drawn on: the picture on screen, a printer page, a PDF page, an
// image or an SVG file. Everything is addressed in user coordinates: the caller sets the
// surface's top-left corner and extent (Y grows downwards) and the surface maps them onto its
// device. Text is placed by its top-left corner.

#include <cstdint>
#include <string>

namespace trimora {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight.
struct UserScale {
  float left = 0;
  float top = 0;
  float width = 1;
  float height = 1;
  friend bool operator==(const UserScale&, const UserScale&) = default;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // The device's width over its height; a page setup keeps user units square with it.
  virtual double DeviceAspect() const = 0;

  virtual void SetScale(const UserScale& scale) = 0;
  virtual UserScale Scale() const = 0;

  // Paints the whole surface in its background colour.
  virtual void Clear() = 0;
  virtual void Line(float x1, float y1, float x2, float y2, Rgb color) = 0;
  virtual void Box(float x1, float y1, float x2, float y2, Rgb color) = 0;
  virtual void FilledBox(float x1, float y1, float x2, float y2, Rgb color) = 0;

  // A font the machine lacks is replaced by the nearest one it has, at the same size.
  virtual void SetFont(const std::string& name, float pointSize) = 0;
  // Black text with its top-left corner at (x, y).
  virtual void Text(float x, float y, const std::string& text) = 0;
  // The height of a line of text in the current font, in user units.
  virtual float TextHeight(const std::string& text) const = 0;
  // How far the text reaches to the right in the current font, in user units.
  virtual float TextWidth(const std::string& text) const = 0;

  // Ends the current page and starts the next; surfaces without pages ignore it.
  virtual void NewPage() = 0;
};

}  // namespace trimora
