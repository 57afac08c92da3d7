#include "engine/snapping.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::List;
using testing::Rect;

TEST(SpansTouch, ClosedSpansMeetAtSharedEndPoints) {
  EXPECT_TRUE(SpansTouch(0, 10, 10, 20));
  EXPECT_TRUE(SpansTouch(10, 20, 0, 10));
  EXPECT_TRUE(SpansTouch(3, 4, 0, 10));  // containment
  EXPECT_FALSE(SpansTouch(0, 10, 10.5f, 20));
  EXPECT_FALSE(SpansTouch(10.5f, 20, 0, 10));
}

TEST(SnapFreeArea, StretchesAcrossSpentAndDeadAreasToTheNearestObstacle) {
  AreaList areas = testing::FreshRoll(testing::Roll(1000, 500, 10));
  SnapFreeArea(areas, 6, SnapOrder::kXThenY);  // the fresh usable area stays put
  EXPECT_EQ(areas[6].XS, 10);
  EXPECT_EQ(areas[6].YS, 10);
  areas[6].TYPE = kSpentArea;
  areas.push_back(Rect(kDeadArea, 10, 10, 200, 300));
  areas.push_back(Rect(kFreeArea, 200, 10, 490, 300));  // 8
  areas.push_back(Rect(1, 10, 310, 100, 400));          // piece below, Y span misses
  SnapFreeArea(areas, 8, SnapOrder::kXThenY);
  EXPECT_EQ(areas[8].XS, 10);  // to the left margin strip
  EXPECT_EQ(areas[8].YS, 10);
  EXPECT_EQ(areas[8].XE, 490);
}

TEST(SnapFreeArea, TouchingPieceStopsTheSnap) {
  AreaList touching = List({Rect(1, 0, 0, 50, 50), Rect(kFreeArea, 50, 20, 100, 100)});
  SnapFreeArea(touching, 2, SnapOrder::kXThenY);
  EXPECT_EQ(touching[2].XS, 50);  // gap 0
  // A piece meeting only the area's top edge line still counts (spans are inclusive) and
  // stops the X snap short of the farther margin.
  AreaList edge = List({Rect(kMarginStrip, 0, 0, 10, 200), Rect(2, 20, 0, 30, 40),
                        Rect(kFreeArea, 60, 40, 100, 100)});
  SnapFreeArea(edge, 3, SnapOrder::kXThenY);
  EXPECT_EQ(edge[3].XS, 30);
  EXPECT_EQ(edge[3].YS, 40);
}

TEST(SnapFreeArea, SecondSnapTestsTheSpanLeftByTheFirst) {
  // The piece above is beyond the area's own X span but within the widened one, and pieces of
  // another layout are obstacles too.
  const AreaList start = List({Rect(kMarginStrip, 0, 0, 10, 200), Rect(kMarginStrip, 0, 0, 200, 5),
                               Rect(3, 20, 5, 40, 30, 0, 7), Rect(kFreeArea, 50, 50, 100, 100)});
  AreaList xFirst = start;
  SnapFreeArea(xFirst, 4, SnapOrder::kXThenY);
  EXPECT_EQ(xFirst[4].XS, 10);
  EXPECT_EQ(xFirst[4].YS, 30);
  AreaList yFirst = start;
  SnapFreeArea(yFirst, 4, SnapOrder::kYThenX);
  EXPECT_EQ(yFirst[4].YS, 5);
  EXPECT_EQ(yFirst[4].XS, 40);
}

}  // namespace
}  // namespace trimora
