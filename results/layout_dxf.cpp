#include "results/layout_dxf.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>
#include <utility>

#include "engine/cut_sequence.h"
#include "results/plan_export.h"
#include "storage/file_utils.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

constexpr const char* kStock = "STOCK";
constexpr const char* kPieces = "PIECES";
constexpr const char* kOffcuts = "OFFCUTS";
constexpr const char* kLabels = "LABELS";
constexpr const char* kCuts = "CUTS";

// Text heights in millimetres. A character of the usual CAD fonts advances no more than its
// height, so a label reckoned at that width stays inside its piece whatever font the reader
// picks.
constexpr double kCharWidth = 1.0;
constexpr double kLineSpacing = 1.5;
constexpr double kLargestLabel = 20;
constexpr double kSmallestLabel = 2.5;  // anything smaller cannot be read off the cut part
constexpr double kLargestCutNumber = 10;

struct Rect {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// Group code and value, a line each, the code right-aligned as DXF writers customarily do.
class DxfWriter {
 public:
  void Pair(int code, std::string_view value) {
    const std::string number = std::to_string(code);
    text_.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
    text_ += number;
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
  }
  void Pair(int code, double value) { Pair(code, CutNumber(value)); }
  void Point(double x, double y, int code = 10) {
    Pair(code, x);
    Pair(code + 10, y);
    Pair(code + 20, "0");
  }
  void Entity(const char* kind, const char* layer) {
    Pair(0, kind);
    Pair(8, layer);
  }
  // A closed polyline: CAM programs take it as one contour to cut.
  void Outline(const char* layer, const Rect& r) {
    Entity("POLYLINE", layer);
    Pair(66, "1");
    Point(0, 0);
    Pair(70, "1");
    const std::pair<double, double> corners[] = {
        {r.x0, r.y0}, {r.x1, r.y0}, {r.x1, r.y1}, {r.x0, r.y1}};
    for (const auto& [x, y] : corners) {
      Entity("VERTEX", layer);
      Point(x, y);
    }
    Entity("SEQEND", layer);
  }
  void Line(const char* layer, double x0, double y0, double x1, double y1) {
    Entity("LINE", layer);
    Point(x0, y0);
    Point(x1, y1, 11);
  }
  // Left-aligned on its baseline at x, y: every reader places such text alike.
  void Text(const char* layer, double x, double y, double height, const std::string& text) {
    Entity("TEXT", layer);
    Point(x, y);
    Pair(40, height);
    Pair(1, text);
  }
  const std::string& Contents() const { return text_; }

 private:
  std::string text_;
};

// Latin-1 and Windows-1252 agree on every printable character; control characters cannot
// stand in a group value, and "%%" would start a control code ("%%%" is a plain "%").
std::string DxfText(const std::string& latin1) {
  std::string text;
  for (const unsigned char c : latin1) {
    if (c == '%') {
      text += "%%%";
    } else {
      text += c < 0x20 || (c >= 0x7F && c < 0xA0) ? '?' : char(c);
    }
  }
  return text;
}

// An item of the plan export as a rectangle.
Rect RectOf(const PlanItem& item) {
  return {item.x, item.y, double(item.x) + item.width, double(item.y) + item.length};
}

std::string TypedSize(const Grid& cutGrid, const CutRecord& cut) {
  const bool shorterFirst = TypedShorterFirst(cutGrid, cut);
  return CutNumber(shorterFirst ? cut.WIDTH : cut.LENGTH) + " x " +
         CutNumber(shorterFirst ? cut.LENGTH : cut.WIDTH);
}

// The tallest text whose lines all fit inside the piece with half a text height to spare
// around them, centred; no taller than kLargestLabel nor a tenth of the piece's shorter side,
// so that the label never hides the outline. The description is left out when it does not fit
// at a readable size, and the whole label when the size does not either.
void Label(DxfWriter& dxf, const Rect& piece, const std::string& description,
           const std::string& size) {
  const double across = piece.x1 - piece.x0, along = piece.y1 - piece.y0;
  const auto heightFor = [&](const std::vector<std::string>& lines) {
    size_t longest = 0;
    for (const std::string& line : lines) longest = std::max(longest, line.size());
    const double rows = kLineSpacing * double(lines.size()) - kLineSpacing + 2;
    const double h = std::min({kLargestLabel, across / (kCharWidth * double(longest) + 1),
                               along / rows, std::min(across, along) / 10});
    return std::floor(h * 2) / 2;  // half millimetres
  };
  std::vector<std::string> lines = {description, size};
  if (description.empty() || heightFor(lines) < kSmallestLabel) lines.erase(lines.begin());
  const double h = heightFor(lines);
  if (h < kSmallestLabel) return;
  const double block = h * (kLineSpacing * double(lines.size()) - kLineSpacing + 1);
  double baseline = piece.y0 + (along + block) / 2 - h;  // CAD shows Y upwards: first line on top
  for (const std::string& line : lines) {
    const double width = kCharWidth * h * double(line.size());
    dxf.Text(kLabels, piece.x0 + (across - width) / 2, baseline, h, line);
    baseline -= kLineSpacing * h;
  }
}

// The saw runs along the middle of its kerf: the engine puts a cut's position at the far side
// of the kerf, which the parts it separates carry on their far sides.
void Cuts(DxfWriter& dxf, const CutSequence& sequence, float kerf, const RollRecord& roll) {
  const double half = kerf / 2.0, width = roll.WIDTH, length = roll.LENGTH;
  const double h =
      std::clamp(std::min(width, sequence.length) / 100, kSmallestLabel, kLargestCutNumber);
  int number = 0;
  for (const SawCut& cut : sequence.cuts) {
    const bool across = cut.axis == 'Y';
    const double at = std::clamp(cut.position - half, 0.0, across ? length : width);
    const double from = std::clamp(cut.from - half, 0.0, across ? width : length);
    const double to = std::clamp(cut.to - half, 0.0, across ? width : length);
    const double middle = (from + to) / 2;
    const std::string text = std::to_string(++number);
    if (across) {
      dxf.Line(kCuts, from, at, to, at);
      dxf.Text(kCuts, middle, at + h / 4, h, text);
    } else {
      dxf.Line(kCuts, at, from, at, to);
      dxf.Text(kCuts, at + h / 4, middle, h, text);
    }
  }
}

void Header(DxfWriter& dxf, const RollRecord& roll) {
  dxf.Pair(0, "SECTION");
  dxf.Pair(2, "HEADER");
  dxf.Pair(9, "$ACADVER");
  dxf.Pair(1, "AC1009");
  dxf.Pair(9, "$DWGCODEPAGE");
  dxf.Pair(3, "ANSI_1252");
  dxf.Pair(9, "$INSUNITS");
  dxf.Pair(70, "4");
  dxf.Pair(9, "$MEASUREMENT");
  dxf.Pair(70, "1");
  dxf.Pair(9, "$EXTMIN");
  dxf.Point(0, 0);
  dxf.Pair(9, "$EXTMAX");
  dxf.Point(roll.WIDTH, roll.LENGTH);
  dxf.Pair(0, "ENDSEC");
}

void Tables(DxfWriter& dxf) {
  dxf.Pair(0, "SECTION");
  dxf.Pair(2, "TABLES");
  dxf.Pair(0, "TABLE");
  dxf.Pair(2, "LTYPE");
  dxf.Pair(70, "1");
  dxf.Pair(0, "LTYPE");
  dxf.Pair(2, "CONTINUOUS");
  dxf.Pair(70, "0");
  dxf.Pair(3, "Solid line");
  dxf.Pair(72, "65");
  dxf.Pair(73, "0");
  dxf.Pair(40, "0");
  dxf.Pair(0, "ENDTAB");
  // Colours by the drawing's standard colour index: white, cyan, green, yellow, red.
  constexpr std::pair<const char*, const char*> kLayers[] = {
      {kStock, "7"}, {kPieces, "4"}, {kOffcuts, "3"}, {kLabels, "2"}, {kCuts, "1"}};
  dxf.Pair(0, "TABLE");
  dxf.Pair(2, "LAYER");
  dxf.Pair(70, std::to_string(std::size(kLayers)));
  for (const auto& [name, colour] : kLayers) {
    dxf.Pair(0, "LAYER");
    dxf.Pair(2, name);
    dxf.Pair(70, "0");
    dxf.Pair(62, colour);
    dxf.Pair(6, "CONTINUOUS");
  }
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "TABLE");
  dxf.Pair(2, "STYLE");
  dxf.Pair(70, "1");
  dxf.Pair(0, "STYLE");
  dxf.Pair(2, "STANDARD");
  dxf.Pair(70, "0");
  dxf.Pair(40, "0");
  dxf.Pair(41, "1");
  dxf.Pair(50, "0");
  dxf.Pair(71, "0");
  dxf.Pair(42, "2.5");
  dxf.Pair(3, "txt");
  dxf.Pair(4, "");
  dxf.Pair(0, "ENDTAB");
  dxf.Pair(0, "ENDSEC");
}

}  // namespace

std::string LayoutDxf(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                      const Grid& cutGrid, int n) {
  std::vector<AreaRecord> layout;
  for (size_t i = 1; i < model.records.size(); ++i) {
    if (model.records[i].layout == n) layout.push_back(model.records[i]);
  }
  const RollRecord& roll = model.rolls[size_t(layout.front().roll)];
  const float kerf = model.basic.KERF;

  DxfWriter dxf;
  Header(dxf, roll);
  Tables(dxf);
  dxf.Pair(0, "SECTION");
  dxf.Pair(2, "ENTITIES");
  dxf.Outline(kStock, {0, 0, roll.WIDTH, roll.LENGTH});
  for (const AreaRecord& r : layout) {
    const float used = r.YE - r.YS;
    if (r.TYPE == kRollOutline && used < roll.LENGTH - kCutTolerance) {
      dxf.Line(kStock, 0, used, roll.WIDTH, used);
    }
  }
  for (const AreaRecord& r : layout) {
    if (r.TYPE <= 0) continue;
    const CutRecord& cut = model.cuts[size_t(r.TYPE)];
    const Rect piece = RectOf(PieceItem(r, cut, cutGrid));
    dxf.Outline(kPieces, piece);
    Label(dxf, piece, DxfText(cut.DESCRIPTION), TypedSize(cutGrid, cut));
  }
  for (const OffcutRow& row : offcuts) {
    if (row.layout == n) dxf.Outline(kOffcuts, RectOf(OffcutItem(row, kerf)));
  }
  Cuts(dxf, DeriveCutSequence(layout), kerf, roll);
  dxf.Pair(0, "ENDSEC");
  dxf.Pair(0, "EOF");
  return dxf.Contents();
}

std::string WriteLayoutDxf(const ResultsModel& model, const std::vector<OffcutRow>& offcuts,
                           const Grid& cutGrid, int n, const std::string& path) {
  std::string error;
  return ReplaceFileSafely(path, LayoutDxf(model, offcuts, cutGrid, n), &error) ? "" : error;
}

std::string LayoutDxfName(const std::string& jobFileName, int n) {
  std::string name = FileNameFromPath(jobFileName);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  if (name.empty()) name = "layout";  // a job not saved yet
  return name + "-L" + std::to_string(n) + ".dxf";
}

}  // namespace trimora
