// Undo and Redo of typing, paste, sort and row commands, run as a grid window runs them, and
// what stepping back or forth does to the job.

#include "grid/grid_undo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/grid_input.h"
#include "grid/grid_rows.h"
#include "grid/grid_sort.h"
#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

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
  EXPECT_EQ(host.guards, 1);
  EXPECT_EQ(host.dataChanged, 1);
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
