#include "engine/block_commit.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::FreshRoll;
using testing::List;
using testing::Rect;
using testing::Roll;

// A roll 1000 long and 500 wide with margins of 10; its usable area is free area 6. A cut
// 100 long and 50 wide with 20 copies to go.
const WorkRolls kRolls = {{}, Roll(1000, 500, 10)};
const WorkCuts kCuts = {{}, {100, 50, 20, 0}};

void ExpectRect(const AreaRecord& a, int16_t type, float xs, float ys, float xe, float ye) {
  EXPECT_EQ(a.TYPE, type);
  EXPECT_EQ(a.XS, xs);
  EXPECT_EQ(a.YS, ys);
  EXPECT_EQ(a.XE, xe);
  EXPECT_EQ(a.YE, ye);
  EXPECT_EQ(a.roll, 1);
  EXPECT_EQ(a.layout, 0);
}

TEST(CommitBlock, AppendsCopiesRowByRowThenBothFreeAreasThenTheWidthLine) {
  AreaList areas = FreshRoll(kRolls[1]);
  WorkCuts cuts = kCuts;
  CommitBlockWidthLine(3, 2, 1, kLengthwise, cuts, 6, areas, kRolls);
  EXPECT_EQ(cuts[1].QTY, 14);
  EXPECT_EQ(areas[6].TYPE, kSpentArea);
  ASSERT_EQ(areas.size(), 16u);
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 3; ++i) {
      const AreaRecord& piece = areas[size_t(7 + j * 3 + i)];
      ExpectRect(piece, 1, 10.0f + 50.0f * float(i), 10.0f + 100.0f * float(j),
                 60.0f + 50.0f * float(i), 110.0f + 100.0f * float(j));
      EXPECT_EQ(piece.orientation, kLengthwise);
    }
  }
  ExpectRect(areas[13], kFreeArea, 160, 10, 490, 990);
  ExpectRect(areas[14], kFreeArea, 10, 210, 490, 990);
  // Across the whole roll width, margins included, at the block's bottom edge.
  ExpectRect(areas[15], kCutLine, 0, 210, 500, 210);
}

TEST(CommitBlock, LengthLineRunsAlongTheWholeRollAtTheBlocksRightEdge) {
  AreaList areas = FreshRoll(kRolls[1]);
  WorkCuts cuts = kCuts;
  CommitBlockLengthLine(2, 3, 1, kCrosswise, cuts, 6, areas, kRolls);
  ASSERT_EQ(areas.size(), 16u);
  ExpectRect(areas[7], 1, 10, 10, 110, 60);
  EXPECT_EQ(areas[7].orientation, kCrosswise);
  ExpectRect(areas[13], kFreeArea, 210, 10, 490, 990);
  ExpectRect(areas[14], kFreeArea, 10, 160, 490, 990);
  ExpectRect(areas[15], kCutLine, 210, 0, 210, 1000);
}

TEST(CommitBlock, NoCutLineUnlessTheAreaSpansTheUsableWidthOrLength) {
  AreaList areas = FreshRoll(kRolls[1]);
  areas[6].XE = 489.99997f;  // one step short of WIDTH - M(R)
  WorkCuts cuts = kCuts;
  CommitBlockWidthLine(1, 1, 1, kLengthwise, cuts, 6, areas, kRolls);
  EXPECT_EQ(areas.size(), 10u);
  EXPECT_EQ(areas.back().TYPE, kFreeArea);
  AreaList below = FreshRoll(kRolls[1]);
  below[6].YS = 20;  // not at M(T)
  CommitBlockLengthLine(1, 1, 1, kLengthwise, cuts, 6, below, kRolls);
  EXPECT_EQ(below.size(), 10u);
}

TEST(CommitBlock, FreeAreasWithoutWidthOrHeightAreSpentAtOnce) {
  WorkCuts cuts = kCuts;
  AreaList areas = List({Rect(kFreeArea, 0, 0, 150, 400)});
  CommitBlockLengthLine(3, 2, 1, kLengthwise, cuts, 1, areas, {{}, Roll(1000, 500)});
  EXPECT_EQ(areas[8].TYPE, kSpentArea);  // the block is as wide as the area
  EXPECT_EQ(areas[9].TYPE, kFreeArea);

  AreaList edges =
      List({Rect(kFreeArea, 0, 0, 1, 1), Rect(kFreeArea, 0, 0, 1, 0), Rect(kFreeArea, 2, 0, 1, 1)});
  for (int16_t k = 1; k <= 3; ++k) RetireDegenerateArea(edges, k);
  EXPECT_EQ(edges[1].TYPE, kFreeArea);
  EXPECT_EQ(edges[2].TYPE, kSpentArea);
  EXPECT_EQ(edges[3].TYPE, kSpentArea);
}

}  // namespace
}  // namespace trimora
