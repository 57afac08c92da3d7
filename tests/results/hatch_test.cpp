// Hatching of waste: only what the view shows is drawn, whatever the stock's size.

#include <gtest/gtest.h>

#include "results/layout_elements.h"
#include "support/recording_surface.h"

namespace trimora {
namespace {

TEST(Hatch, DrawsOnlyTheLinesThatCrossTheView) {
  RecordingSurface surface(1000, 1000);
  surface.SetScale({0, 500, 1000, 1000});  // the view a scroll bar shows: y 500 to 1500
  Hatch(surface, 0, 0, 1000, 1e6f, 1, kLightGrey);
  const std::vector<SurfaceCall> lines = surface.CallsOf(SurfaceCall::Kind::kLine);
  ASSERT_FALSE(lines.empty());
  EXPECT_LT(lines.size(), 2010u);  // a line per unit of x + y across the view, and a few more
  for (const SurfaceCall& line : lines) {
    EXPECT_GE(line.x1 + line.y1, 500 - 3);
    EXPECT_LE(line.x1 + line.y1, 2500 + 3);
  }
  // The stock's full span is still hatched where it is seen: the view's first and last lines.
  EXPECT_LE(lines.front().x1 + lines.front().y1, 500);
  EXPECT_GE(lines.back().x1 + lines.back().y1, 2500);
}

}  // namespace
}  // namespace trimora
