#include "results/layout_elements.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <vector>

#include "storage/number_picture.h"

namespace trimora {

namespace {

constexpr std::array<Rgb, 22> kPieceColors{{
    {200, 163, 250}, {255, 185, 185}, {255, 191, 149}, {255, 206, 9},   {126, 187, 0},
    {0, 242, 146},   {0, 234, 222},   {113, 255, 198}, {4, 173, 255},   {206, 170, 255},
    {0, 203, 202},   {255, 138, 235}, {79, 198, 255},  {255, 183, 216}, {236, 135, 23},
    {255, 145, 162}, {242, 176, 104}, {255, 136, 189}, {202, 206, 17},  {112, 206, 17},
    {14, 211, 167},  {20, 206, 239},
}};

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return char(std::tolower(ch)); });
  return text;
}

// How wide the height h of a text is in horizontal units of the current scale.
float HorizontalOf(const DrawingSurface& surface, float h) {
  const UserScale scale = surface.Scale();
  return h * scale.width / scale.height;
}

// A box in user units: a piece, or a label's text.
struct Box {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;
};

bool Contains(const Box& outer, const Box& inner) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
         inner.bottom <= outer.bottom;
}

bool Overlaps(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Places the labels of one piece, each inside the piece or not at all: a label crossing the
// piece's edge would lie over its neighbour's, and one crossing an earlier label of the piece
// would spoil both.
struct LabelPlacer {
  DrawingSurface& surface;
  Box piece;
  std::vector<Box> placed;

  void Place(float x, float y, const std::string& text) {
    const Box label{x, y, x + surface.TextWidth(text), y + surface.TextHeight(text)};
    if (text.empty() || !Contains(piece, label)) return;
    for (const Box& other : placed)
      if (Overlaps(label, other)) return;
    placed.push_back(label);
    PrintString(surface, x, y, text);
  }
};

// A description too wide for room is cut short after a letter and ends in a full stop, so long
// as three characters are left; otherwise nothing is shown. Sizes are never cut short: a
// clipped number would read as another size.
std::string FittingDescription(const DrawingSurface& surface, const std::string& text, float room) {
  if (surface.TextWidth(text) <= room) return text;
  for (int keep = int(text.size()) - 1; keep >= 3; --keep) {
    if (text[size_t(keep) - 1] == ' ') continue;
    const std::string shortened = text.substr(0, size_t(keep)) + ".";
    if (surface.TextWidth(shortened) <= room) return shortened;
  }
  return "";
}

}  // namespace

Rgb PieceColor(int c, bool cutPieceColor) {
  if (!cutPieceColor) return kLightCyan;
  const int index = c % int(kPieceColors.size());
  return kPieceColors[size_t(index < 0 ? index + int(kPieceColors.size()) : index)];
}

void PrintString(DrawingSurface& surface, float x, float y, const std::string& s) {
  const UserScale scale = surface.Scale();
  if (y < scale.top + scale.height - surface.TextHeight("A")) surface.Text(x, y, s);
}

float InsetLeft(const AreaRecord& piece, const RollRecord& roll, float kerf) {
  return piece.XS == roll.ML ? piece.XS : piece.XS + kerf / 2;
}

float InsetTop(const AreaRecord& piece, const RollRecord& roll, float kerf) {
  return piece.YS == roll.MT ? piece.YS : piece.YS + kerf / 2;
}

float InsetRight(const AreaRecord& piece, const RollRecord& roll, float kerf) {
  const float margin = roll.WIDTH - roll.MR + kerf;
  return piece.XE == margin ? piece.XE : piece.XE - kerf / 2;
}

float InsetBottom(const AreaRecord& piece, const RollRecord& roll, float kerf) {
  const float margin = roll.LENGTH - roll.MB + kerf;
  return piece.YE == margin ? piece.YE : piece.YE - kerf / 2;
}

void Hatch(DrawingSurface& surface, float x1, float y1, float x2, float y2, float spacing,
           Rgb color) {
  if (!(spacing > 0)) return;  // a degenerate scale would never end the loop
  const float end = (x2 - x1) + (y2 - y1);
  // Line `step` runs along x + y = x1 + y1 + t. Only those that cross the surface's view are
  // drawn, so an enormous stock costs no more lines than the view holds.
  const UserScale view = surface.Scale();
  const double nearest = double(std::min(view.left, view.left + view.width)) +
                         double(std::min(view.top, view.top + view.height));
  const double farthest = double(std::max(view.left, view.left + view.width)) +
                          double(std::max(view.top, view.top + view.height));
  const double origin = double(x1) + double(y1);
  const double skipped = std::floor((nearest - origin) / double(spacing)) - 1;
  const int first = skipped > 0 ? int(std::min(skipped, double(INT_MAX))) : 0;
  // t counts in whole steps: adding a small spacing to a large t could stop advancing it.
  for (int step = first; step < INT_MAX && float(step) * spacing <= end; ++step) {
    const float t = float(step) * spacing;
    if (origin + double(t) > farthest + double(spacing)) break;
    float px = x1 + t, py = y1;
    float qx = x1, qy = y1 + t;
    if (px > x2) {
      px = x2;
      py = y1 + t - (x2 - x1);
    }
    if (qy > y2) {
      qx = x1 + (y1 + t - y2);
      qy = y2;
    }
    surface.Line(px, py, qx, qy, color);
  }
}

void PlacePieceLabels(DrawingSurface& surface, const AreaRecord& piece, const CutRecord& cut,
                      float kerf, const LayoutSettings& settings) {
  const bool lengthwise = piece.orientation == kLengthwise;
  const float across = lengthwise ? cut.WIDTH : cut.LENGTH;
  const float along = lengthwise ? cut.LENGTH : cut.WIDTH;
  const float left = piece.XS + kerf / 2;
  const float top = piece.YS + kerf / 2;
  const float h = surface.TextHeight("0");
  const float e = HorizontalOf(surface, h);
  LabelPlacer labels{surface, {left, top, left + across, top + along}, {}};
  if (settings.cutPieceDimensions) {
    const std::string acrossText = PlainNumber(across);
    labels.Place(left + (across - surface.TextWidth(acrossText)) / 2, top + h / 6, acrossText);
    labels.Place(left + e / 4, top + (along - h) / 2, PlainNumber(along));
  }
  if (settings.cutPieceDescription) {
    const std::string name = LowerCase(cut.DESCRIPTION);
    labels.Place(left + e / 4, top + along - h, FittingDescription(surface, name, across - e / 4));
  }
}

void PlaceSheetDimensions(DrawingSurface& surface, const AreaRecord& outline,
                          const RollRecord& roll) {
  const float length = outline.YE - outline.YS;
  const std::string widthText = PlainNumber(roll.WIDTH);
  const float h = surface.TextHeight(widthText);
  const float e = HorizontalOf(surface, h);
  PrintString(surface, outline.XS + (roll.WIDTH - e) / 2, outline.YE + h, widthText);
  PrintString(surface, outline.XE + e / 4, outline.YS + (length - h) / 2, PlainNumber(length));
}

}  // namespace trimora
