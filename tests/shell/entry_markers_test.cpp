#include "shell/entry_markers.h"

#include <gtest/gtest.h>

#include "grid/grid_fixtures.h"

namespace trimora {
namespace {

using testing::SheetGrid;
using testing::TableGrid;

TEST(EntryMarkers, MarginMarkersFollowTheCurrentRow) {
  Grid grid = SheetGrid({{"2500", "1250", "1", "", "15", "", "X", ""}, {"1", "1", "1", "5"}});
  EXPECT_EQ(MarginMarkers(grid), (std::array<bool, 4>{false, true, false, false}));
  grid.row = 2;
  EXPECT_EQ(MarginMarkers(grid), (std::array<bool, 4>{true, false, false, false}));
}

TEST(EntryMarkers, OrientationMarkers) {
  Grid grid = TableGrid(
      CutPieceTable(),
      {{"600", "300", "1", ""}, {"1", "1", "1", "2"}, {"1", "1", "1", "7"}, {"1", "1", "1", "1"}});
  auto shown = [&grid](int row) {
    grid.row = row;
    return OrientationMarkersFor(grid);
  };
  ASSERT_TRUE(shown(1));
  EXPECT_TRUE(shown(1)->one && shown(1)->two);
  EXPECT_TRUE(!shown(2)->one && shown(2)->two);
  EXPECT_FALSE(shown(3));
  EXPECT_TRUE(shown(4)->one && !shown(4)->two);
}

}  // namespace
}  // namespace trimora
