// The keys in a grid: typing, Backspace and Delete under the entry rules, which keys mark the
// job changed or run the change guard, the columns the entry rules do not know, and moving the
// current cell.

#include <gtest/gtest.h>

#include <string>

#include "grid/grid_cursor.h"
#include "grid/grid_input.h"
#include "grid_fixtures.h"
#include "recording_host.h"

namespace trimora {
namespace {

using testing::LaidOutGrid;
using testing::RecordingHost;
using testing::SheetGrid;
using testing::TableGrid;

const std::string kBack(1, kBackspace);

// Types the keys into the cell (row 1, column) and answers its text.
std::string TypeInto(Grid& grid, int column, const std::string& keys, RecordingHost& host,
                     const GridEditRules& rules = {}) {
  grid.row = grid.rowSel = 1;
  grid.column = grid.columnSel = column;
  for (char key : keys) HandleGridKey(grid, {GridKey::Character, key}, rules, host);
  return grid.Text(1, column);
}

bool Delete(Grid& grid, int column, RecordingHost& host, const GridEditRules& rules = {}) {
  grid.column = column;
  return HandleGridKey(grid, {GridKey::Delete}, rules, host);
}

TEST(GridTyping, EachTypeTakesItsOwnCharacters) {
  RecordingHost host;
  Grid basic = TableGrid(BasicDetailsTable(), {{"", "", "12.345"}});
  EXPECT_EQ(TypeInto(basic, 1, "ms a", host), "MS A");
  EXPECT_EQ(TypeInto(basic, 7, "a,\"b\177c", host), "ABC");  // NOTE
  EXPECT_EQ(host.dataChanged, 10);                           // every key, refused or not
  EXPECT_EQ(TypeInto(basic, 3, "6", host), "12.345");        // a full field still takes Backspace
  EXPECT_EQ(TypeInto(basic, 3, kBack + "7", host), "12.347");
  Grid cut = TableGrid(CutPieceTable());
  EXPECT_EQ(TypeInto(cut, 1, "1.2.3", host), "1.23");
  EXPECT_EQ(TypeInto(cut, 3, "-5.e", host), "5");
  EXPECT_EQ(TypeInto(cut, 4, "312", host), "1");  // ORN: 1 or 2, one character
}

// A key in the product column opens the choice, but Backspace and Delete still edit; an
// unknown column refuses until it holds text.
TEST(GridTyping, ProductListAndUnknownColumns) {
  RecordingHost host;
  Grid grid = LaidOutGrid({"PRODUCTS", "QTY", "REMARK"}, {{"SHELF"}});
  EXPECT_EQ(TypeInto(grid, 1, "x" + kBack, host), "SHEL");
  EXPECT_EQ(host.productChoices, 1);
  EXPECT_TRUE(Delete(grid, 1, host));
  EXPECT_EQ(grid.Text(1, 1), "");
  EXPECT_EQ(TypeInto(grid, 3, "ab", host), "");
  grid.SetText(1, 3, "X");                              // pasted
  EXPECT_EQ(TypeInto(grid, 3, "b,\x1b", host), "XB,");  // Escape types nothing
}

// The known tags' widths come from the field catalogue; what the header adds is the padding to
// at least three characters and the width an unknown tag inherits.
TEST(BuildGridHeader, UnknownTagsInheritThePreviousWidthOfAtLeastThree) {
  EXPECT_EQ(BuildGridHeader({"QTY", "REMARK"}), "<Sr No|<QTY    |<REMARK ");  // QTY's 7
  EXPECT_EQ(BuildGridHeader({"SUPPLIER", "AB"}), "<Sr No|<SUPPLIER|<AB ");    // the starting 3
}

TEST(GridTyping, TypingInTheLastRowAddsANumberedEntryRowWhereRowsVary) {
  RecordingHost host;
  Grid sheet = SheetGrid();
  TypeInto(sheet, 1, "50", host, kSheetSpecificationsRules);
  ASSERT_EQ(sheet.RowCount(), 3);
  EXPECT_EQ(sheet.Text(2, 0), "2");
  Grid basic = TableGrid(BasicDetailsTable());
  TypeInto(basic, 1, "M", host, kBasicDetailsRules);
  EXPECT_EQ(basic.RowCount(), 2);
}

TEST(GridTyping, GuardRunsForSizeColumnsEvenWhenTheKeyIsRefused) {
  RecordingHost host;
  Grid sheet = SheetGrid({{"250", "125", "3", "", "", "", "", "BAY 4"}});
  TypeInto(sheet, 8, "bay", host, kSheetSpecificationsRules);  // LOCATION
  Delete(sheet, 8, host, kSheetSpecificationsRules);
  EXPECT_EQ(host.guards, 0);
  TypeInto(sheet, 3, "x", host, kSheetSpecificationsRules);  // QTY refuses the letter
  Delete(sheet, 2, host, kSheetSpecificationsRules);
  EXPECT_EQ(host.guards, 2);
  Grid cut = TableGrid(CutPieceTable());
  TypeInto(cut, 4, "1", host, kCutPieceRules);
  TypeInto(cut, 5, "door", host, kCutPieceRules);
  EXPECT_EQ(host.guards, 3);
}

// --- Moving the current cell with the keys and the mouse -------------------------------
// Hidden columns, the header row and the serial column cannot be reached.

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
