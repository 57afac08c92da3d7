#include "results/layout_drawing.h"

#include <algorithm>
#include <cmath>

#include "results/layout_detail_text.h"
#include "results/layout_elements.h"
#include "results/layout_settings.h"

namespace trimora {

namespace {

enum class Target { kScreen, kPaper };

bool IsPiece(const ResultsModel& model, const AreaRecord& r) {
  return r.TYPE >= 1 && r.TYPE <= RecordCount(model.cuts);
}

const RollRecord& RollOf(const ResultsModel& model, const AreaRecord& r) {
  static const RollRecord none;
  return r.roll >= 1 && r.roll <= RecordCount(model.rolls) ? model.rolls[size_t(r.roll)] : none;
}

void FillInset(DrawingSurface& surface, const ResultsModel& model, const AreaRecord& piece,
               Rgb color) {
  const RollRecord& roll = RollOf(model, piece);
  const float k = model.basic.KERF;
  surface.FilledBox(InsetLeft(piece, roll, k), InsetTop(piece, roll, k), InsetRight(piece, roll, k),
                    InsetBottom(piece, roll, k), color);
}

void OutlineInset(DrawingSurface& surface, const ResultsModel& model, const AreaRecord& piece) {
  const RollRecord& roll = RollOf(model, piece);
  const float k = model.basic.KERF;
  surface.Box(InsetLeft(piece, roll, k), InsetTop(piece, roll, k), InsetRight(piece, roll, k),
              InsetBottom(piece, roll, k), kBlack);
}

// White stock hatched all over, then the pieces on top: the hatching stays visible only where
// no piece covers the stock, on waste and off-cuts.
void FillPass(DrawingSurface& surface, const ResultsModel& model, RecordRange range,
              Target target) {
  const float bandHeight = std::fabs(surface.Scale().height);
  for (int i = range.first; i <= range.last; ++i) {
    const AreaRecord& r = model.records[size_t(i)];
    if (r.TYPE == kRollOutline) {
      surface.FilledBox(r.XS, r.YS, r.XE, r.YE, kWhite);
      if (target == Target::kScreen) {
        Hatch(surface, r.XS, r.YS, r.XE, r.YE, bandHeight / 25, kLightGrey);
      } else {
        Hatch(surface, r.XS, r.YS, r.XE, r.YE, bandHeight / 50, kDarkBlue);
      }
    } else if (IsPiece(model, r)) {
      const bool screen = target == Target::kScreen;
      FillInset(surface, model, r,
                screen ? PieceColor(r.TYPE, model.settings.cutPieceColor) : kWhite);
    }
  }
}

// With Only First In Block on, a run of consecutive records of one cut list row is labelled
// once, on its first piece.
void LabelPass(DrawingSurface& surface, const ResultsModel& model, RecordRange range) {
  int16_t previous = 0;
  for (int i = range.first; i <= range.last; ++i) {
    const AreaRecord& r = model.records[size_t(i)];
    if (IsPiece(model, r) && r.TYPE != previous) {
      PlacePieceLabels(surface, r, model.cuts[size_t(r.TYPE)], model.basic.KERF, model.settings);
    }
    if (model.settings.onlyFirstInBlock) previous = r.TYPE;
  }
}

void OutlinePass(DrawingSurface& surface, const ResultsModel& model, RecordRange range) {
  for (int i = range.first; i <= range.last; ++i) {
    const AreaRecord& r = model.records[size_t(i)];
    if (r.TYPE == kRollOutline) {
      if (model.settings.sheetDimensions) PlaceSheetDimensions(surface, r, RollOf(model, r));
      surface.Box(r.XS, r.YS, r.XE, r.YE, kBlack);
    } else if (IsPiece(model, r)) {
      OutlineInset(surface, model, r);
    }
  }
}

// Each saw cut as a red line, its number on a white patch at the line's middle so that it
// stays legible over hatching and piece colours.
void CutPass(DrawingSurface& surface, const CutSequence& sequence) {
  int step = 0;
  for (const SawCut& cut : sequence.cuts) {
    const bool across = cut.axis == 'Y';
    const float p = float(cut.position), from = float(cut.from), to = float(cut.to);
    if (across) {
      surface.Line(from, p, to, p, kCutRed);
    } else {
      surface.Line(p, from, p, to, kCutRed);
    }
    const std::string number = std::to_string(++step);
    const float w = surface.TextWidth(number), h = surface.TextHeight(number);
    const float middle = (from + to) / 2;
    const float x = (across ? middle : p) - w / 2, y = (across ? p : middle) - h / 2;
    surface.FilledBox(x, y, x + w, y + h, kWhite);
    surface.Text(x, y, number);
  }
}

void DrawPasses(DrawingSurface& surface, const ResultsModel& model, RecordRange range,
                Target target, const CutSequence* cuts) {
  FillPass(surface, model, range, target);
  LabelPass(surface, model, range);
  OutlinePass(surface, model, range);
  if (cuts) CutPass(surface, *cuts);
}

// The lines of a layout's cut sequence as trimora-cli cuts gives them, without the empty
// line after them.
std::vector<std::string> CutSequenceLines(const CutSequence& sequence, int n) {
  std::vector<std::string> lines(1);
  for (const char c : CutSequenceText({{int16_t(n), sequence}}, false)) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// Room beside and below the sheet for its dimension labels, as fractions of the picture's
// width: text keeps its size in pixels whatever the zoom, so the room does too.
struct LabelRoom {
  float right = 0;
  float bottom = 0;
};

LabelRoom MeasureLabelRoom(DrawingSurface& surface, float W) {
  surface.SetScale({0, 0, W, W / float(surface.DeviceAspect())});
  const float h = surface.TextHeight("0");
  const LabelRoom room{(surface.TextWidth("00000") + h) / W, 2.5f * h / W};
  // A picture too small for the labels leaves them out rather than the drawing.
  return room.right < 0.5f ? room : LabelRoom{};
}

// A scroll bar over 0 .. last of which visible is in view at a time.
void SetScrollRange(ScrollBarState& bar, float last, float visible) {
  bar.min = 0;
  bar.max = std::max(0, int(std::lrint(last - visible)));
  bar.smallChange = std::max(1, int(visible / 10));
  bar.largeChange = std::max(1, int(visible));
  bar.enabled = bar.max > 0;
  bar.value = std::clamp(bar.value, 0, bar.max);
}

}  // namespace

RecordRange LayoutRecords(const ResultsModel& model, int n) {
  const int records = int(model.records.size()) - 1;
  if (n < 1 || size_t(n) >= model.layoutStart.size()) return {};
  const int first = model.layoutStart[size_t(n)];
  if (first < 1 || first > records || model.records[size_t(first)].TYPE != kRollOutline) return {};
  int last = records;
  if (n < model.layouts && size_t(n) + 1 < model.layoutStart.size()) {
    last = std::clamp(model.layoutStart[size_t(n) + 1] - 1, first, records);
  }
  return {first, last};
}

void ZoomScreenView(ScreenView& view, float zoom) {
  zoom = std::min(zoom, kMaxZoom);
  const float kept = view.zoom / zoom;  // of the part in view
  view.horizontal.value += int(std::lrint(view.width * (1 - kept) / 2));
  view.vertical.value += int(std::lrint(view.height * (1 - kept) / 2));
  view.zoom = zoom;
}

void SetUpScreen(DrawingSurface& surface, float L, float W, ScreenView& view) {
  surface.Clear();
  surface.SetFont("Small Fonts", 7);
  const float aspect = float(surface.DeviceAspect());
  const LabelRoom room = MeasureLabelRoom(surface, W);
  const float fitWidth = W / (1 - room.right);
  const float wholeLength = fitWidth * (1 / aspect - room.bottom) / L;
  view.zoom = std::clamp(view.zoom, std::clamp(wholeLength, 1 / kMaxZoom, 1.0f), kMaxZoom);
  view.width = fitWidth / view.zoom;
  view.height = view.width / aspect;
  SetScrollRange(view.horizontal, W + room.right * view.width, view.width);
  SetScrollRange(view.vertical, L + room.bottom * view.width, view.height);
  surface.SetScale(
      {float(view.horizontal.value), float(view.vertical.value), view.width, view.height});
}

void SetUpPaper(DrawingSurface& surface, float L, float W, int printerScale, float bandTop) {
  const float f = L / 1000 + 3;
  const float aspect = float(surface.DeviceAspect());
  const float width = W * f / float(printerScale);
  const float height = width / aspect;
  surface.SetScale({-0.05f * height, bandTop, width, height});
  surface.SetFont("Arial Narrow", 7);
}

CutSequence LayoutCutSequence(const ResultsModel& model, int n) {
  const RecordRange range = LayoutRecords(model, n);
  if (range.first == 0) return {};
  return DeriveCutSequence(std::vector<AreaRecord>(model.records.begin() + range.first,
                                                   model.records.begin() + range.last + 1));
}

std::vector<std::string> DrawLayoutOnScreen(const ResultsModel& model, int n,
                                            DrawingSurface& surface, ScreenView& view,
                                            const CutSequence* numberedCuts) {
  const RecordRange range = LayoutRecords(model, n);
  if (range.first == 0) return {};
  const AreaRecord& outline = model.records[size_t(range.first)];
  SetUpScreen(surface, outline.YE - outline.YS, outline.XE - outline.XS, view);
  DrawPasses(surface, model, range, Target::kScreen, numberedCuts);
  return WriteDetailText(model, n);
}

void DrawLayoutOnPaper(const ResultsModel& model, int n, DrawingSurface& surface,
                       const std::string& date, bool cutSequence) {
  const RecordRange range = LayoutRecords(model, n);
  if (range.first == 0) return;
  const AreaRecord& outline = model.records[size_t(range.first)];
  const float L = outline.YE - outline.YS;
  const float W = outline.XE - outline.XS;
  const int printerScale = EffectivePrinterScale(model.settings);
  const CutSequence cuts = cutSequence ? LayoutCutSequence(model, n) : CutSequence{};
  for (float bandTop = 0;;) {
    SetUpPaper(surface, L, W, printerScale, bandTop);
    DrawPasses(surface, model, range, Target::kPaper, cutSequence ? &cuts : nullptr);
    const float bandHeight = surface.Scale().height;
    bandTop = bandTop + bandHeight;
    if (!(bandHeight > 0) || !(bandTop < L)) break;
    surface.NewPage();
  }
  std::vector<std::string> lines = WriteDetailText(model, n);
  if (cutSequence) {
    lines.emplace_back();
    for (std::string& line : CutSequenceLines(cuts, n)) lines.push_back(std::move(line));
  }
  PrintDetailText(surface, L, lines, model.jobFileName, date);
}

void PrintLayouts(const ResultsModel& model, int first, int last, DrawingSurface& surface,
                  const std::string& date, bool cutSequence) {
  for (int n = first; n <= last; ++n) {
    if (n > first) surface.NewPage();
    DrawLayoutOnPaper(model, n, surface, date, cutSequence);
  }
}

}  // namespace trimora
