// Typing, Backspace and Delete under the entry rules, and which keys mark the job changed or
// run the change guard.

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace trimora
