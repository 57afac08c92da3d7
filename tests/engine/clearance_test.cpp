#include "engine/clearance.h"

#include <gtest/gtest.h>

#include "area_list_builder.h"
#include "literal_layout_rules.h"

namespace trimora {
namespace {

using testing::ListOf;
using testing::Rect;

// One cut 20 long and 10 wide: lengthwise copies are 10 across (X) and 20 along (Y).
const WorkCuts kCuts = {{}, {20, 10, 100, 0}};

struct Counts {
  int16_t nx;
  int16_t ny;
};

Counts RowFirst(const AreaList& areas, int16_t areaIndex, Counts c) {
  ClearBlockRowFirst(c.nx, c.ny, kLengthwise, 1, areaIndex, areas, kCuts);
  return c;
}

Counts ColumnFirst(const AreaList& areas, int16_t areaIndex, Counts c) {
  ClearBlockColumnFirst(c.nx, c.ny, kLengthwise, 1, areaIndex, areas, kCuts);
  return c;
}

TEST(RectsOverlap, SharedEdgesAndCornersDoNotOverlap) {
  EXPECT_TRUE(RectsOverlap(0, 0, 10, 10, 9, 9, 20, 20));
  EXPECT_FALSE(RectsOverlap(0, 0, 10, 10, 10, 0, 20, 10));
  EXPECT_FALSE(RectsOverlap(0, 0, 10, 10, 0, 10, 10, 20));
  EXPECT_FALSE(RectsOverlap(0, 0, 10, 10, 10, 10, 20, 20));
}

TEST(ClearBlock, ClearBlockOrBlockMeetingAPieceEdgeIsKept) {
  // The block of 4 x 3 spans (0, 0)-(40, 60); the piece starts exactly at its right edge.
  const AreaList areas = ListOf({Rect(kFreeArea, 0, 0, 100, 100), Rect(1, 40, 0, 50, 60)});
  EXPECT_EQ(RowFirst(areas, 1, {4, 3}).nx, 4);
  EXPECT_EQ(RowFirst(areas, 1, {4, 3}).ny, 3);
  EXPECT_EQ(ColumnFirst(areas, 1, {4, 3}).nx, 4);
  EXPECT_EQ(ColumnFirst(areas, 1, {4, 3}).ny, 3);
}

TEST(ClearBlock, PieceBelowTheFirstLineTakesLinesOffTheBlock) {
  // The piece lies under rows 3 to 5 of columns 2 and 3. Row-first keeps the first row whole
  // and stops the block above the piece; column-first keeps the first column whole and stops
  // the block left of it.
  const AreaList areas = ListOf({Rect(kFreeArea, 0, 0, 100, 100), Rect(1, 15, 45, 25, 95)});
  const Counts row = RowFirst(areas, 1, {5, 5});
  EXPECT_EQ(row.nx, 5);
  EXPECT_EQ(row.ny, 2);
  const Counts column = ColumnFirst(areas, 1, {5, 5});
  EXPECT_EQ(column.nx, 1);
  EXPECT_EQ(column.ny, 5);
}

TEST(ClearBlock, PieceInTheFirstLineShrinksBothCountsEachPass) {
  // A piece in row 1, columns 3 and 4: each row-first pass gives up a column while the first
  // row overlaps and a row while the block does; three passes give 2 x 3.
  const AreaList areas = ListOf({Rect(kFreeArea, 0, 0, 100, 100), Rect(1, 25, 5, 45, 15)});
  const Counts row = RowFirst(areas, 1, {5, 5});
  EXPECT_EQ(row.nx, 2);
  EXPECT_EQ(row.ny, 3);
  // A piece at the corner overlaps every first line, whose count runs out.
  const AreaList corner = ListOf({Rect(kFreeArea, 0, 0, 100, 100), Rect(1, 0, 0, 5, 5)});
  EXPECT_EQ(RowFirst(corner, 1, {5, 5}).nx, 0);
  EXPECT_EQ(ColumnFirst(corner, 1, {5, 5}).ny, 0);
}

TEST(ClearBlock, OnlyPiecesOfTheLayoutBeingBuiltAreObstacles) {
  const AreaList areas = ListOf({Rect(kFreeArea, 0, 0, 100, 100), Rect(1, 0, 0, 50, 50, 3),
                                 Rect(kMarginStrip, 0, 0, 50, 50), Rect(kSpentArea, 0, 0, 50, 50)});
  EXPECT_EQ(RowFirst(areas, 1, {5, 5}).nx, 5);
  EXPECT_EQ(RowFirst(areas, 1, {5, 5}).ny, 5);
}

TEST(ClearBlock, NegativeExtentsGrowTheBlockAsItShrinks) {
  // A cut made negative by a negative kerf: each row lies above the last, so the block's far
  // edge moves down as ny falls and reaches the first piece only after the second gave way.
  const WorkCuts cuts = {{}, {-2.5f, 2.5f, 1, 0}};
  const AreaList areas =
      ListOf({Rect(kFreeArea, 0, 10, 100, 100), Rect(1, 0, 1, 20, 20), Rect(1, 6, -5, 20, 20)});
  int16_t nx = 4, ny = 4;
  ClearBlockRowFirst(nx, ny, kLengthwise, 1, 1, areas, cuts);
  EXPECT_EQ(nx, 0);
  EXPECT_EQ(ny, 1);
  int16_t literalX = 4, literalY = 4;
  testing::LiteralClearBlock(true, literalX, literalY, kLengthwise, 1, 1, areas, cuts);
  EXPECT_EQ(literalX, 0);
  EXPECT_EQ(literalY, 1);
}

TEST(ClearBlock, MatchesTheRuleOnRandomLists) {
  std::mt19937 gen(11);
  // Negative and zero extents make the block's edges move the other way or not at all.
  const WorkCuts cuts = {{}, {5, 2.5f, 1, 0}, {7.5f, 5, 1, 0}, {-2.5f, 2.5f, 1, 0}, {0, 5, 1, 0}};
  for (int round = 0; round < 4000; ++round) {
    const AreaList areas = testing::RandomAreaList(gen, 1 + round % 30);
    const int16_t self = int16_t(1 + gen() % (areas.size() - 1));
    const int16_t cut = int16_t(1 + gen() % 4);
    const int16_t orientation = int16_t(1 + gen() % 2);
    const int16_t nx = int16_t(1 + gen() % 8);
    const int16_t ny = int16_t(1 + gen() % 8);
    for (const bool rowFirst : {true, false}) {
      int16_t fastX = nx, fastY = ny, literalX = nx, literalY = ny;
      if (rowFirst) {
        ClearBlockRowFirst(fastX, fastY, orientation, cut, self, areas, cuts);
      } else {
        ClearBlockColumnFirst(fastX, fastY, orientation, cut, self, areas, cuts);
      }
      testing::LiteralClearBlock(rowFirst, literalX, literalY, orientation, cut, self, areas, cuts);
      ASSERT_EQ(fastX, literalX) << "round " << round << " row-first " << rowFirst;
      ASSERT_EQ(fastY, literalY) << "round " << round << " row-first " << rowFirst;
    }
  }
}

}  // namespace
}  // namespace trimora
