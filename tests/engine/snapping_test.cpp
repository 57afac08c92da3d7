#include "engine/snapping.h"

#include <gtest/gtest.h>

#include "area_list_builder.h"
#include "literal_layout_rules.h"

namespace trimora {
namespace {

using testing::FreshRoll;
using testing::ListOf;
using testing::Rect;
using testing::Roll;

TEST(SpansTouch, ClosedSpansMeetAtSharedEndPoints) {
  EXPECT_TRUE(SpansTouch(0, 10, 10, 20));
  EXPECT_TRUE(SpansTouch(10, 20, 0, 10));
  EXPECT_TRUE(SpansTouch(0, 10, 3, 4));  // containment either way
  EXPECT_TRUE(SpansTouch(3, 4, 0, 10));
  EXPECT_FALSE(SpansTouch(0, 10, 10.5f, 20));
  EXPECT_FALSE(SpansTouch(10.5f, 20, 0, 10));
}

TEST(SnapFreeArea, FreshUsableAreaStaysPut) {
  AreaList areas = FreshRoll(Roll(1000, 500, 10));
  for (const SnapOrder order : {SnapOrder::kXThenY, SnapOrder::kYThenX}) {
    SnapFreeArea(areas, 6, order);
    EXPECT_EQ(areas[6].XS, 10);
    EXPECT_EQ(areas[6].YS, 10);
  }
}

TEST(SnapFreeArea, StretchesAcrossSpentAndDeadAreasToTheNearestObstacle) {
  AreaList areas = FreshRoll(Roll(1000, 500, 10));
  areas[6].TYPE = kSpentArea;
  areas.push_back(Rect(kDeadArea, 10, 10, 200, 300));
  areas.push_back(Rect(kFreeArea, 200, 10, 490, 300));  // 8
  areas.push_back(Rect(1, 10, 310, 100, 400));          // piece below, Y span misses
  SnapFreeArea(areas, 8, SnapOrder::kXThenY);
  EXPECT_EQ(areas[8].XS, 10);  // to the left margin strip
  EXPECT_EQ(areas[8].YS, 10);
  EXPECT_EQ(areas[8].XE, 490);
  EXPECT_EQ(areas[8].YE, 300);
}

TEST(SnapFreeArea, TouchingPieceStopsTheSnap) {
  // Left edge already on a piece: gap 0.
  AreaList touching = ListOf({Rect(1, 0, 0, 50, 50), Rect(kFreeArea, 50, 20, 100, 100)});
  SnapFreeArea(touching, 2, SnapOrder::kXThenY);
  EXPECT_EQ(touching[2].XS, 50);

  // A piece meeting only the area's top edge line still counts and stops the X snap short of
  // the farther margin.
  AreaList edge = ListOf({Rect(kMarginStrip, 0, 0, 10, 200), Rect(2, 20, 0, 30, 40),
                          Rect(kFreeArea, 60, 40, 100, 100)});
  SnapFreeArea(edge, 3, SnapOrder::kXThenY);
  EXPECT_EQ(edge[3].XS, 30);
  EXPECT_EQ(edge[3].YS, 40);
}

TEST(SnapFreeArea, SecondSnapTestsTheSpanLeftByTheFirst) {
  // The piece above is beyond the area's own X span but within the widened one, and pieces of
  // another layout are obstacles too.
  const AreaList start =
      ListOf({Rect(kMarginStrip, 0, 0, 10, 200), Rect(kMarginStrip, 0, 0, 200, 5),
              Rect(3, 20, 5, 40, 30, 7), Rect(kFreeArea, 50, 50, 100, 100)});
  AreaList xFirst = start;
  SnapFreeArea(xFirst, 4, SnapOrder::kXThenY);
  EXPECT_EQ(xFirst[4].XS, 10);
  EXPECT_EQ(xFirst[4].YS, 30);
  AreaList yFirst = start;
  SnapFreeArea(yFirst, 4, SnapOrder::kYThenX);
  EXPECT_EQ(yFirst[4].YS, 5);
  EXPECT_EQ(yFirst[4].XS, 40);
}

TEST(SnapFreeArea, MatchesTheRuleOnRandomLists) {
  std::mt19937 gen(7);
  for (int round = 0; round < 3000; ++round) {
    AreaList areas = testing::RandomAreaList(gen, 1 + round % 40);
    const int16_t self = int16_t(1 + gen() % (areas.size() - 1));
    areas[size_t(self)].TYPE = kFreeArea;
    for (const SnapOrder order : {SnapOrder::kXThenY, SnapOrder::kYThenX}) {
      AreaList fast = areas;
      AreaList literal = areas;
      SnapFreeArea(fast, self, order);
      testing::LiteralSnapFreeArea(literal, self, order);
      ASSERT_EQ(fast[size_t(self)].XS, literal[size_t(self)].XS) << "round " << round;
      ASSERT_EQ(fast[size_t(self)].YS, literal[size_t(self)].YS) << "round " << round;
    }
  }
}

}  // namespace
}  // namespace trimora
