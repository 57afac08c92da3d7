// Delete Row and Insert Row under the entry rules: the rows renumbered, one blank entry row at
// the end, and the change guard where the rows feed the layouts. Undo and Redo of typing,
// paste, sort and row commands, run as a grid window runs them, and what stepping back or forth
// does to the job.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/grid_input.h"
#include "grid/grid_rows.h"
#include "grid/grid_sort.h"
#include "grid/grid_undo.h"
#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ColumnTexts;
using testing::RecordingHost;
using testing::TableGrid;
using Texts = std::vector<std::string>;

TEST(GridRows, DeleteRemovesTheSelectedRowsButNeverTheEntryRow) {
  RecordingHost host;
  Grid cut = TableGrid(CutPieceTable(), {{"100"}, {"200"}, {"300"}, {"400"}, {}});
  cut.row = 3;  // the selection was stretched upwards
  cut.rowSel = 2;
  ASSERT_TRUE(DeleteGridRows(cut, kCutPieceRules, host));
  EXPECT_EQ(ColumnTexts(cut, 1), (Texts{"100", "400", ""}));
  EXPECT_EQ(ColumnTexts(cut, 0), (Texts{"1", "2", "3"}));
  EXPECT_EQ(cut.row, 2);
  EXPECT_EQ(std::pair(host.guards, host.dataChanged), std::pair(1, 1));

  cut.row = cut.rowSel = 3;
  EXPECT_FALSE(DeleteGridRows(cut, kCutPieceRules, host));
  cut.row = 2;  // down to the entry row: row 2 goes, the entry row stays
  ASSERT_TRUE(DeleteGridRows(cut, kCutPieceRules, host));
  EXPECT_EQ(ColumnTexts(cut, 1), (Texts{"100", ""}));
  EXPECT_EQ(host.guards, 2);
}

TEST(GridRows, DeleteLeavesExactlyOneBlankRowAtTheEnd) {
  RecordingHost host;
  Grid cut = TableGrid(CutPieceTable(), {{"100"}, {}, {"300"}, {}});
  cut.row = cut.rowSel = 3;
  ASSERT_TRUE(DeleteGridRows(cut, GridEditRules{}, host));
  EXPECT_EQ(ColumnTexts(cut, 1), (Texts{"100", ""}));
  // A pasted last row is no entry row: deleting it leaves a new one.
  Grid pasted = TableGrid(CutPieceTable(), {{"100"}});
  ASSERT_TRUE(DeleteGridRows(pasted, GridEditRules{}, host));
  EXPECT_EQ(ColumnTexts(pasted, 1), (Texts{""}));
  EXPECT_EQ(host.guards, 0);  // nothing here feeds the layouts
  EXPECT_EQ(host.dataChanged, 2);
}

TEST(GridRows, InsertPutsAnEmptyRowBeforeTheCurrentOne) {
  RecordingHost host;
  Grid sheet = testing::SheetGrid({{"2500"}, {"3000"}, {}});
  sheet.row = sheet.rowSel = 2;
  ASSERT_TRUE(InsertGridRow(sheet, kSheetSpecificationsRules, host));
  EXPECT_EQ(ColumnTexts(sheet, 1), (Texts{"2500", "", "3000", ""}));
  EXPECT_EQ(ColumnTexts(sheet, 0), (Texts{"1", "2", "3", "4"}));
  EXPECT_EQ(sheet.row, 2);
  EXPECT_EQ(std::pair(host.guards, host.dataChanged), std::pair(1, 1));
  sheet.row = sheet.rowSel = 4;  // the entry row is empty already
  EXPECT_FALSE(InsertGridRow(sheet, kSheetSpecificationsRules, host));
  EXPECT_EQ(sheet.RowCount(), 5);
}

// --- Undo and Redo ------------------------------------------------------------------------

class GridUndo : public testing::InWorkDir {
 protected:
  void Edit(const char* step, const std::function<void()>& change) {
    const GridSnapshot before = TakeSnapshot(grid);
    change();
    stack.Record(before, grid, step);
  }
  void Press(const KeyEvent& key) {
    Edit(IsPasteKey(key) ? kPasteStep : kTypingStep,
         [&] { HandleGridKey(grid, key, kCutPieceRules, host); });
  }
  void Type(int row, int column, const std::string& keys) {
    grid.row = grid.rowSel = row;
    grid.column = grid.columnSel = column;
    for (char key : keys) Press({GridKey::Character, key});
  }
  void Undo() { UndoGridEdit(grid, stack, kCutPieceRules, host); }
  void Redo() { RedoGridEdit(grid, stack, kCutPieceRules, host); }

  Grid grid = testing::TableGrid(CutPieceTable(), {{"100", "50", "2"}, {"80", "40", "6"}, {}});
  testing::RecordingHost host;
  GridUndoStack stack;
};

TEST_F(GridUndo, TypingInOneCellIsOneStepUntilTheCursorLeaves) {
  Type(3, 1, "12x");              // the refused letter leaves the step open
  ASSERT_EQ(grid.RowCount(), 5);  // typing added an entry row
  Press({GridKey::Delete});
  Type(3, 1, "9");
  Press({GridKey::Right});
  Type(3, 2, "7");
  EXPECT_EQ(stack.UndoText(), "Typing");
  Undo();
  EXPECT_EQ(grid.Text(3, 1), "9");
  EXPECT_EQ(grid.Text(3, 2), "");
  Undo();
  EXPECT_EQ(grid.Text(3, 1), "");
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(std::pair(grid.row, grid.column), std::pair(3, 1));
  EXPECT_EQ(stack.UndoText(), "");
  Undo();  // nothing left
  EXPECT_EQ(stack.RedoText(), "Typing");
  Redo();
  EXPECT_EQ(grid.Text(3, 1), "9");
  Type(1, 5, "door");  // a new edit: nothing to redo
  EXPECT_EQ(stack.RedoText(), "");
}

TEST_F(GridUndo, PasteIsAStepOfItsOwnUnlessRefused) {
  host.clipboard = "9\t8";
  grid.row = grid.rowSel = 1;
  host.answer = MessageAnswer::No;
  Press({GridKey::Character, 'v', true});
  EXPECT_EQ(stack.UndoText(), "");
  host.answer = MessageAnswer::Yes;
  Press({GridKey::Character, 'v', true});
  EXPECT_EQ(grid.Text(1, 2), "8");
  EXPECT_EQ(stack.UndoText(), "Paste");
  Undo();
  EXPECT_EQ(grid.Text(1, 1) + grid.Text(1, 2), "10050");
  Redo();
  EXPECT_EQ(grid.Text(1, 1) + grid.Text(1, 2), "98");
}

// Taking a step back is a change of the job, through the change guard where the step changed
// sizes, quantities or rows; taking back a sort only puts the rows back in their order.
TEST_F(GridUndo, SortAndRowDeleteComeBackAndOnlyChangesOfSizesRunTheGuard) {
  grid.column = grid.columnSel = 1;
  Edit(kSortStep, [&] { SortGrid(grid, SortDirection::Ascending, host); });
  ASSERT_EQ(grid.Text(1, 1), "80");
  grid.row = grid.rowSel = 2;
  Edit(kDeleteRowStep, [&] { DeleteGridRows(grid, kCutPieceRules, host); });
  ASSERT_EQ(grid.RowCount(), 3);
  host.guards = host.dataChanged = 0;
  EXPECT_EQ(stack.UndoText(), "Delete Row");
  Undo();
  EXPECT_EQ(grid.Text(2, 1), "100");
  EXPECT_EQ(std::pair(host.guards, host.dataChanged), std::pair(1, 1));
  EXPECT_EQ(stack.UndoText(), "Sort");
  Undo();
  EXPECT_EQ(grid.Text(1, 1), "100");
  EXPECT_EQ(host.guards + host.dataChanged, 2);

  Type(1, 5, "door");  // DESCRIPTION does not feed the layouts
  Undo();
  EXPECT_EQ(host.guards, 1);
  EXPECT_EQ(host.dataChanged, 6);  // four keys and their undo
}

}  // namespace
}  // namespace trimora
