#pragma once
// Drawing one cutting layout to scale, on the screen or on paper, with its detail text; and
// printing one or all layouts. The same three passes (fills, labels, outlines) serve both;
// screen and paper differ in the coordinate setup, the colours, the fonts and where the detail
// text goes.

#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "results/results_model.h"

namespace trimora {

// The vertical scroll bar beside the screen drawing; its value is the top of the visible band.
struct ScrollBarState {
  int value = 0;
  int min = 0;
  int max = 0;
  int smallChange = 1;
  int largeChange = 1;
  bool enabled = false;
};

// Records first .. last of layout n.
struct RecordRange {
  int first = 0;
  int last = 0;
};
RecordRange LayoutRecords(const ResultsModel& model, int n);

// The screen's square picture for a layout of used length L and width W: at most three
// widths of the layout are shown, and the scroll bar reaches the rest of a long layout. Clears
// the picture.
void SetUpScreen(DrawingSurface& surface, float L, float W, ScrollBarState& scrollBar);

// One page-high band of paper starting at bandTop; the width follows the printer scale, the
// height the page's shape, with a left margin of one twentieth of the page height.
void SetUpPaper(DrawingSurface& surface, float L, float W, int printerScale, float bandTop);

// Draws layout n on the screen, writes DiaCur.tlf and returns its lines for the text box.
std::vector<std::string> DrawLayoutOnScreen(const ResultsModel& model, int n,
                                            DrawingSurface& surface, ScrollBarState& scrollBar);

// Draws layout n on as many pages as it needs, then its detail text below it; date is the
// text of the "Date: " line.
void DrawLayoutOnPaper(const ResultsModel& model, int n, DrawingSurface& surface,
                       const std::string& date);

// Prints layouts first .. last into one document, each but the first on a new page.
void PrintLayouts(const ResultsModel& model, int first, int last, DrawingSurface& surface,
                  const std::string& date);

}  // namespace trimora
