// Moving the current cell with the keys and the mouse: hidden columns, the header row and the
// serial column cannot be reached.

#include "grid/grid_cursor.h"

#include <gtest/gtest.h>

#include "grid/grid_input.h"
#include "grid_fixtures.h"
#include "recording_host.h"

namespace trimora {
namespace {

// Sheet Specifications with three rows: columns 1-3 and 8 shown, 4-7 (the margins) hidden;
// the current cell is row 1, QTY.
struct SheetCursor : ::testing::Test {
  Grid grid = testing::SheetGrid({{"1"}, {"2"}, {"3"}});
  testing::RecordingHost host;
  SheetCursor() { SelectCell(grid, 1, 3, false); }
  // Presses the key and answers where the current cell ends up.
  std::pair<int, int> Press(GridKey key, bool shift = false, bool ctrl = false) {
    EXPECT_TRUE(HandleGridKey(grid, {key, 0, ctrl, shift}, GridEditRules{}, host));
    return {grid.row, grid.column};
  }
};

using Cell = std::pair<int, int>;

TEST_F(SheetCursor, KeysStayInTheReachableCells) {
  EXPECT_EQ(Press(GridKey::Right), Cell(1, 8));  // over the hidden margins
  EXPECT_EQ(Press(GridKey::Right), Cell(1, 8));  // nothing further right
  EXPECT_EQ(Press(GridKey::Tab), Cell(2, 1));
  EXPECT_EQ(Press(GridKey::Left), Cell(2, 1));  // never onto the serial column
  EXPECT_EQ(Press(GridKey::Tab, /*shift=*/true), Cell(1, 8));
  EXPECT_EQ(Press(GridKey::Up), Cell(1, 8));  // never onto the header row
  host.pageRows = 5;
  EXPECT_EQ(Press(GridKey::PageDown), Cell(3, 8));
  EXPECT_EQ(Press(GridKey::Home, false, /*ctrl=*/true), Cell(1, 1));
}

TEST_F(SheetCursor, ClicksOnUnreachableCellsAreRefused) {
  for (const Cell cell : {Cell(2, 5), Cell(0, 1), Cell(2, 0), Cell(4, 1)})
    EXPECT_FALSE(SelectCell(grid, cell.first, cell.second, false));
  EXPECT_EQ(Cell(grid.row, grid.column), Cell(1, 3));
}

}  // namespace
}  // namespace trimora
