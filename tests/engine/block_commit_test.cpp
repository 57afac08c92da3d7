#include "engine/block_commit.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::Growing;
using testing::List;
using testing::Rect;
using testing::Roll;

// A roll 1000 long and 500 wide with margins of 10; its usable area is free area 6. A cut
// 100 long and 50 wide with 20 copies to go.
Growing Job() { return Growing(Roll(1000, 500, 10), {{}, {100, 50, 20, 0}}); }

void Commit(Growing& g, Placement p, CutLine line) {
  LayoutContext ctx = g.Context();
  CommitBlock(ctx, p, line);
}

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
  Growing g = Job();
  Commit(g, {1, 6, kLengthwise, 3, 2}, CutLine::kAcrossWidth);
  const AreaList& areas = g.layout.areas;
  EXPECT_EQ(g.cuts[1].QTY, 14);
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
  // The layout's indexes follow: the block is one obstacle and the new areas are open.
  ASSERT_EQ(g.layout.Obstacles().size(), 1u);
  EXPECT_EQ(g.layout.Obstacles()[0].XE, 160);
  EXPECT_EQ(g.layout.Obstacles()[0].YE, 210);
  EXPECT_EQ(g.layout.PickFreeArea(Growth::kAcross), 13);
  EXPECT_EQ(g.layout.PieceArea(), 6 * 50 * 100);
}

TEST(CommitBlock, NoCutLineUnlessTheAreaSpansTheUsableWidthOrLength) {
  Growing shortOfWidth = Job();
  shortOfWidth.layout.areas[6].XE = 489.99997f;  // one step short of WIDTH - M(R)
  Commit(shortOfWidth, {1, 6, kLengthwise, 1, 1}, CutLine::kAcrossWidth);
  EXPECT_EQ(shortOfWidth.layout.areas.size(), 10u);
  EXPECT_EQ(shortOfWidth.layout.areas.back().TYPE, kFreeArea);
  Growing below = Job();
  below.layout.areas[6].YS = 20;  // not at M(T)
  Commit(below, {1, 6, kLengthwise, 1, 1}, CutLine::kAlongLength);
  EXPECT_EQ(below.layout.areas.size(), 10u);
}

TEST(CommitBlock, FreeAreasWithoutWidthOrHeightAreSpentAtOnce) {
  Growing g(Roll(1000, 500), {{}, {100, 50, 20, 0}}, List({Rect(kFreeArea, 0, 0, 150, 400)}));
  Commit(g, {1, 1, kLengthwise, 3, 2}, CutLine::kAlongLength);
  EXPECT_EQ(g.layout.areas[8].TYPE, kSpentArea);  // the block is as wide as the area
  EXPECT_EQ(g.layout.areas[9].TYPE, kFreeArea);
  EXPECT_EQ(g.layout.PickFreeArea(Growth::kAcross), 9);
}

}  // namespace
}  // namespace trimora
