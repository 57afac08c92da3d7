#include "engine/snapping.h"

#include <gtest/gtest.h>

#include "area_records.h"
#include "engine/block_commit.h"

namespace trimora {
namespace {

using testing::Growing;
using testing::List;
using testing::Rect;
using testing::Roll;

// Snaps free area k of the layout given as records and returns its new corner.
std::pair<float, float> Snapped(const AreaList& records, int16_t k, Growth growth) {
  CandidateLayout layout = CandidateLayout::FromRecords(records);
  SnapFreeArea(layout, k, growth);
  return {layout.areas[size_t(k)].XS, layout.areas[size_t(k)].YS};
}

TEST(SnapFreeArea, StretchesAcrossSpentAndDeadAreasToTheNearestObstacle) {
  AreaList areas = testing::FreshRoll(Roll(1000, 500, 10));
  EXPECT_EQ(Snapped(areas, 6, Growth::kAcross), std::pair(10.0f, 10.0f));  // stays put
  areas[6].TYPE = kSpentArea;
  areas.push_back(Rect(kDeadArea, 10, 10, 200, 300));
  areas.push_back(Rect(kFreeArea, 200, 10, 490, 300));  // 8
  areas.push_back(Rect(1, 10, 310, 100, 400));          // piece below, Y span misses
  EXPECT_EQ(Snapped(areas, 8, Growth::kAcross), std::pair(10.0f, 10.0f));  // to the margin
}

TEST(SnapFreeArea, TouchingPieceStopsTheSnap) {
  const AreaList touching = List({Rect(1, 0, 0, 50, 50), Rect(kFreeArea, 50, 20, 100, 100)});
  EXPECT_EQ(Snapped(touching, 2, Growth::kAcross).first, 50);  // gap 0
  // A piece meeting only the area's top edge line still counts (spans are inclusive) and
  // stops the X snap short of the farther margin.
  const AreaList edge = List({Rect(kMarginStrip, 0, 0, 10, 200), Rect(2, 20, 0, 30, 40),
                              Rect(kFreeArea, 60, 40, 100, 100)});
  EXPECT_EQ(Snapped(edge, 3, Growth::kAcross), std::pair(30.0f, 40.0f));
}

TEST(SnapFreeArea, SecondSnapTestsTheSpanLeftByTheFirst) {
  // The piece above is beyond the area's own X span but within the widened one.
  const AreaList start = List({Rect(kMarginStrip, 0, 0, 10, 200), Rect(kMarginStrip, 0, 0, 200, 5),
                               Rect(3, 20, 5, 40, 30), Rect(kFreeArea, 50, 50, 100, 100)});
  EXPECT_EQ(Snapped(start, 4, Growth::kAcross), std::pair(10.0f, 30.0f));
  EXPECT_EQ(Snapped(start, 4, Growth::kAlong), std::pair(40.0f, 5.0f));
}

// A block whose copies reach from before the area's edge to past it: only the copies that end
// by the edge are obstacles, and the nearest of them stops the snap, as when every copy is
// looked at on its own.
TEST(SnapFreeArea, ABlockReachingPastTheEdgeStopsItAtItsNearestColumn) {
  Growing g(Roll(1000, 500), {{}, {100, 30, 4, 0}});
  LayoutContext ctx = g.Context();
  CommitBlock(ctx, {1, 6, kLengthwise, 4, 1}, CutLine::kAcrossWidth);  // columns end at 30 .. 120
  g.layout.areas.push_back(Rect(kFreeArea, 75, 100, 200, 300));
  const int16_t k = int16_t(g.layout.areas.size() - 1);
  const AreaList records = g.layout.areas;
  SnapFreeArea(g.layout, k, Growth::kAcross);
  EXPECT_EQ(g.layout.areas[size_t(k)].XS, 60);
  EXPECT_EQ(g.layout.areas[size_t(k)].YS, 100);  // the copies above end at 100
  EXPECT_EQ(Snapped(records, k, Growth::kAcross), std::pair(60.0f, 100.0f));
}

}  // namespace
}  // namespace trimora
