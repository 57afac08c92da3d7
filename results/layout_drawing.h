#pragma once
// Drawing one cutting layout to scale, on the screen or on paper, with its detail text; and
// printing one or all layouts. The same three passes (fills, labels, outlines) serve both;
// screen and paper differ in the coordinate setup, the colours, the fonts and where the detail
// text goes.

#include <string>
#include <vector>

#include "engine/cut_sequence.h"
#include "platform/drawing_surface.h"
#include "results/results_model.h"

namespace trimora {

// A scroll bar beside or under the screen drawing; its value is the top or the left of the
// part in view, in user units.
struct ScrollBarState {
  int value = 0;
  int min = 0;
  int max = 0;
  int smallChange = 1;
  int largeChange = 1;
  bool enabled = false;
};

// What the screen shows of a layout. Zoom 1 shows the layout's whole width; zoom 2 half of
// it, twice as large. width and height are the part in view, as the last setup left them.
struct ScreenView {
  float zoom = 1;
  float width = 0;
  float height = 0;
  ScrollBarState horizontal;
  ScrollBarState vertical;
};

inline constexpr float kMaxZoom = 8;

// Zooms the view about the centre of the part in view; the next setup keeps it in range.
void ZoomScreenView(ScreenView& view, float zoom);

// Records first .. last of layout n.
struct RecordRange {
  int first = 0;
  int last = 0;
};
RecordRange LayoutRecords(const ResultsModel& model, int n);

// The screen picture for a layout of used length L and width W. At zoom 1 the layout's width
// fills the picture's width but for room on the right for the used length's label; zooming
// out stops once the whole layout is in view, and the scroll bars reach whatever is not.
// Clears the picture.
void SetUpScreen(DrawingSurface& surface, float L, float W, ScreenView& view);

// One page-high band of paper starting at bandTop; the width follows the printer scale, the
// height the page's shape, with a left margin of one twentieth of the page height.
void SetUpPaper(DrawingSurface& surface, float L, float W, int printerScale, float bandTop);

// How the saw takes layout n apart (not separable when there is no such layout).
CutSequence LayoutCutSequence(const ResultsModel& model, int n);

// Draws layout n on the screen, with the saw cuts numberedCuts (its LayoutCutSequence) numbered
// when given, writes DiaCur.tlf and returns its lines for the text box.
std::vector<std::string> DrawLayoutOnScreen(const ResultsModel& model, int n,
                                            DrawingSurface& surface, ScreenView& view,
                                            const CutSequence* numberedCuts = nullptr);

// Draws layout n on as many pages as it needs, then its detail text below it; date is the
// text of the "Date: " line. With cutSequence on, the drawing numbers the saw cuts and their
// list follows the detail text.
void DrawLayoutOnPaper(const ResultsModel& model, int n, DrawingSurface& surface,
                       const std::string& date, bool cutSequence = false);

// Prints layouts first .. last into one document, each but the first on a new page.
void PrintLayouts(const ResultsModel& model, int first, int last, DrawingSurface& surface,
                  const std::string& date, bool cutSequence = false);

}  // namespace trimora
