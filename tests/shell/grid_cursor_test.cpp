// Moving the current cell with the keys and the mouse: hidden columns, the header row and the
// serial column cannot be reached.

#include "shell/grid_cursor.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"
#include "recording_host.h"
#include "shell/grid_input.h"

namespace trimora {
namespace {

using testing::RecordingHost;

// Sheet Specifications with three rows: columns 1-3 and 8 shown, 4-7 (the margins) hidden;
// the current cell is row 1, QTY.
struct SheetCursor : ::testing::Test {
  Grid grid = testing::SheetGrid({{"1"}, {"2"}, {"3"}});
  RecordingHost host;
  SheetCursor() { SelectCell(grid, 1, 3, false); }
  void Press(GridKey key, bool shift = false, bool ctrl = false) {
    EXPECT_TRUE(HandleGridKey(grid, {key, 0, ctrl, shift}, GridEditRules{}, host));
  }
  void ExpectAt(int row, int column) {
    EXPECT_EQ(grid.row, row);
    EXPECT_EQ(grid.column, column);
  }
};

TEST_F(SheetCursor, ArrowsAndTabStepOverHiddenColumns) {
  Press(GridKey::Right);
  ExpectAt(1, 8);
  Press(GridKey::Right);  // nothing further right
  ExpectAt(1, 8);
  Press(GridKey::Tab);
  ExpectAt(2, 1);
  Press(GridKey::Left);  // never onto the serial column
  ExpectAt(2, 1);
  Press(GridKey::Tab, /*shift=*/true);
  ExpectAt(1, 8);
  Press(GridKey::Left);
  ExpectAt(1, 3);
}

TEST_F(SheetCursor, RowsPagesHomeAndEndStayInTheDataCells) {
  Press(GridKey::Up);
  ExpectAt(1, 3);
  host.pageRows = 5;
  Press(GridKey::PageDown);
  ExpectAt(3, 3);
  Press(GridKey::Home);
  ExpectAt(3, 1);
  Press(GridKey::Home, false, /*ctrl=*/true);
  ExpectAt(1, 1);
  Press(GridKey::End, false, /*ctrl=*/true);
  ExpectAt(3, 8);
}

TEST_F(SheetCursor, ShiftStretchesTheSelectionAndAPlainMoveCollapsesIt) {
  Press(GridKey::Down, /*shift=*/true);
  Press(GridKey::Right, /*shift=*/true);
  ExpectAt(1, 3);
  EXPECT_EQ(grid.rowSel, 2);
  EXPECT_EQ(grid.columnSel, 8);
  Press(GridKey::Enter);
  ExpectAt(2, 3);
  EXPECT_EQ(grid.rowSel, 2);
  EXPECT_EQ(grid.columnSel, 3);
}

TEST_F(SheetCursor, ClicksOnUnreachableCellsAreRefused) {
  EXPECT_FALSE(SelectCell(grid, 2, 5, false));  // a hidden margin
  EXPECT_FALSE(SelectCell(grid, 0, 1, false));
  EXPECT_FALSE(SelectCell(grid, 2, 0, false));
  EXPECT_FALSE(SelectCell(grid, 4, 1, false));
  ExpectAt(1, 3);
}

}  // namespace
}  // namespace trimora
