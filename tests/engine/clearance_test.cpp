#include "engine/clearance.h"

#include <gtest/gtest.h>

#include "area_records.h"

namespace trimora {
namespace {

using testing::List;
using testing::Rect;

using Counts = std::pair<int, int>;

// A block of copies 10 across (X) and 20 along (Y) with its corner at the free area's, among
// the obstacles of the layout given as records (the free area first).
Counts Clear(bool rowFirst, const AreaList& areas, int16_t nx, int16_t ny,
             CutExtents e = {10, 20}) {
  const CandidateLayout layout = CandidateLayout::FromRecords(areas);
  const ObstacleTable& table = layout.Obstacles();
  std::vector<Obstacle> obstacles;
  for (size_t i = 0; i < table.size(); ++i) obstacles.push_back(table[i]);
  Placement p{1, 1, kLengthwise, nx, ny};
  const bool clear =
      ClearBlock(p, areas[1], e, rowFirst ? Growth::kAlong : Growth::kAcross, obstacles);
  EXPECT_EQ(clear, p.nx >= 1 && p.ny >= 1);
  return {p.nx, p.ny};
}

TEST(ClearBlock, RowFirstAndColumnFirstGiveWayDifferently) {
  const struct {
    AreaRecord obstacle;
    Counts start, rowFirst, columnFirst;
  } cases[] = {
      // The block of 4 x 3 spans (0, 0)-(40, 60): a piece starting at its right edge is no
      // obstacle, nor are a piece of another layout (a grown layout holds none), a margin and
      // a spent area.
      {Rect(1, 40, 0, 50, 60), {4, 3}, {4, 3}, {4, 3}},
      {Rect(1, 0, 0, 50, 50, 0, 3), {5, 5}, {5, 5}, {5, 5}},
      {Rect(kMarginStrip, 0, 0, 50, 50), {5, 5}, {5, 5}, {5, 5}},
      {Rect(kSpentArea, 0, 0, 50, 50), {5, 5}, {5, 5}, {5, 5}},
      // Under rows 3 to 5 of columns 2 and 3: row-first keeps the first row whole and stops
      // above the piece, column-first keeps the first column whole and stops left of it.
      {Rect(1, 15, 45, 25, 95), {5, 5}, {5, 2}, {1, 5}},
      // In row 1, columns 3 and 4: each row-first pass gives up a column while the first row
      // overlaps and a row while the block does; column-first only gives up columns.
      {Rect(1, 25, 5, 45, 15), {5, 5}, {2, 3}, {2, 5}},
      // At the corner every first line overlaps, and its count runs out.
      {Rect(1, 0, 0, 5, 5), {5, 5}, {0, 1}, {1, 0}},
  };
  for (const auto& c : cases) {
    // The last record's layout is the one being built.
    const AreaList areas =
        List({Rect(kFreeArea, 0, 0, 100, 100), c.obstacle, Rect(kSpentArea, 0, 0, 1, 1)});
    const auto [nx, ny] = c.start;
    EXPECT_EQ(Clear(true, areas, int16_t(nx), int16_t(ny)), c.rowFirst) << c.obstacle.XS;
    EXPECT_EQ(Clear(false, areas, int16_t(nx), int16_t(ny)), c.columnFirst) << c.obstacle.XS;
  }
}

TEST(ClearBlock, NegativeExtentsGrowTheBlockAsItShrinks) {
  // A cut made negative by a negative kerf: each row lies above the last, so the block's far
  // edge moves down as ny falls and reaches the first piece only after the second gave way.
  const AreaList areas =
      List({Rect(kFreeArea, 0, 10, 100, 100), Rect(1, 0, 1, 20, 20), Rect(1, 6, -5, 20, 20)});
  EXPECT_EQ(Clear(true, areas, 4, 4, {2.5f, -2.5f}), Counts(0, 1));
}

}  // namespace
}  // namespace trimora
