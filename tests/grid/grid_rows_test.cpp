// Delete Row and Insert Row under the entry rules: the rows renumbered, one blank entry row at
// the end, and the change guard where the rows feed the layouts.

#include "grid/grid_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_fixtures.h"
#include "recording_host.h"

namespace trimora {
namespace {

using testing::RecordingHost;
using testing::TableGrid;
using Texts = std::vector<std::string>;

Texts Column(const Grid& grid, int column) {
  Texts texts;
  for (int r = 1; r < grid.RowCount(); ++r) texts.push_back(grid.Text(r, column));
  return texts;
}

TEST(GridRows, DeleteRemovesTheSelectedRowsButNeverTheEntryRow) {
  RecordingHost host;
  Grid cut = TableGrid(CutPieceTable(), {{"100"}, {"200"}, {"300"}, {"400"}, {}});
  cut.row = 3;  // the selection was stretched upwards
  cut.rowSel = 2;
  ASSERT_TRUE(DeleteGridRows(cut, kCutPieceRules, host));
  EXPECT_EQ(Column(cut, 1), (Texts{"100", "400", ""}));
  EXPECT_EQ(Column(cut, 0), (Texts{"1", "2", "3"}));
  EXPECT_EQ(cut.row, 2);
  EXPECT_EQ(host.guards, 1);
  EXPECT_EQ(host.dataChanged, 1);

  cut.row = cut.rowSel = 3;
  EXPECT_FALSE(DeleteGridRows(cut, kCutPieceRules, host));
  cut.row = 2;  // down to the entry row: row 2 goes, the entry row stays
  ASSERT_TRUE(DeleteGridRows(cut, kCutPieceRules, host));
  EXPECT_EQ(Column(cut, 1), (Texts{"100", ""}));
  EXPECT_EQ(host.guards, 2);
}

TEST(GridRows, DeleteLeavesExactlyOneBlankRowAtTheEnd) {
  RecordingHost host;
  Grid cut = TableGrid(CutPieceTable(), {{"100"}, {}, {"300"}, {}});
  cut.row = cut.rowSel = 3;
  ASSERT_TRUE(DeleteGridRows(cut, GridEditRules{}, host));
  EXPECT_EQ(Column(cut, 1), (Texts{"100", ""}));
  // A pasted last row is no entry row: deleting it leaves a new one.
  Grid pasted = TableGrid(CutPieceTable(), {{"100"}});
  ASSERT_TRUE(DeleteGridRows(pasted, GridEditRules{}, host));
  EXPECT_EQ(Column(pasted, 1), (Texts{""}));
  EXPECT_EQ(host.guards, 0);  // nothing here feeds the layouts
  EXPECT_EQ(host.dataChanged, 2);
}

TEST(GridRows, InsertPutsAnEmptyRowBeforeTheCurrentOne) {
  RecordingHost host;
  Grid sheet = testing::SheetGrid({{"2500"}, {"3000"}, {}});
  sheet.row = sheet.rowSel = 2;
  ASSERT_TRUE(InsertGridRow(sheet, kSheetSpecificationsRules, host));
  EXPECT_EQ(Column(sheet, 1), (Texts{"2500", "", "3000", ""}));
  EXPECT_EQ(Column(sheet, 0), (Texts{"1", "2", "3", "4"}));
  EXPECT_EQ(sheet.row, 2);
  EXPECT_EQ(host.guards, 1);
  EXPECT_EQ(host.dataChanged, 1);
  sheet.row = sheet.rowSel = 4;  // the entry row is empty already
  EXPECT_FALSE(InsertGridRow(sheet, kSheetSpecificationsRules, host));
  EXPECT_EQ(sheet.RowCount(), 5);
}

}  // namespace
}  // namespace trimora
