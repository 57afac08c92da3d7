// The grid toolbar's commands on the grid: Copy, Paste, Sort and Print.

#include <gtest/gtest.h>

#include <cstring>

#include "grid/grid_clipboard.h"
#include "grid/grid_input.h"
#include "grid/grid_print.h"
#include "grid/grid_sort.h"
#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::RecordingHost;
using testing::TableGrid;

TEST(GridCopy, SelectedBlockWithTabsAndALineEndAfterEveryRow) {
  RecordingHost host;
  Grid grid = TableGrid(CutPieceTable(), {{"100", "50", "2"}, {"80", "40", "6"}});
  // The selection was stretched up and to the left of the current cell.
  grid.row = 2;
  grid.column = 3;
  grid.rowSel = 1;
  grid.columnSel = 2;
  EXPECT_TRUE(HandleGridKey(grid, {GridKey::Character, 'c', true}, kCutPieceRules, host));
  EXPECT_EQ(host.clipboard, "50\t2\r\n40\t6\r\n");
  EXPECT_EQ(host.dataChanged + host.guards, 0);
}

TEST(GridPaste, AsksFirstAndDropsCellsBeyondTheLastColumn) {
  RecordingHost host;
  Grid grid = testing::SheetGrid({{}, {}, {}, {}, {}});
  grid.row = grid.rowSel = 4;
  grid.column = grid.columnSel = 7;
  host.clipboard = "1\t2\t3\r\n4\t5\t6";
  ASSERT_TRUE(PasteIntoGrid(grid, kSheetSpecificationsRules, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(grid.Text(4, 7) + grid.Text(4, 8) + grid.Text(5, 7) + grid.Text(5, 8), "1245");
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(host.guards, 1);
  EXPECT_EQ(host.dataChanged, 1);
}

TEST(GridPaste, AtTheEntryRowTheFinalLineBreakLeavesABlankRow) {
  for (const bool lineBreak : {true, false}) {
    RecordingHost host;
    Grid grid = TableGrid(CutPieceTable(), {{"9", "9", "9"}, {}});
    grid.row = grid.rowSel = 2;
    host.clipboard = lineBreak ? "100\t50\r\nab\t40\r\n" : "100\t50\r\nab\t40";
    PasteIntoGrid(grid, kCutPieceRules, host);
    ASSERT_EQ(grid.RowCount(), lineBreak ? 5 : 4);
    EXPECT_EQ(grid.Text(2, 1), "100");
    EXPECT_EQ(grid.Text(3, 1), "ab");  // no entry rule applies
    EXPECT_EQ(grid.Text(3, 0), "3");
    if (lineBreak) {
      EXPECT_EQ(grid.Text(4, 0), "4");
      EXPECT_EQ(grid.Text(4, 1), "");
    }
  }
}

// Answering No changes nothing; a clipboard holding commas or double quotes, which a table
// cannot store, is refused whole before the question.
TEST(GridPaste, NoOrCommasAndQuotesChangeNothing) {
  for (const char* text : {"1\r\n2\r\n", "BAY 1\r\nBAY 2, LEFT\r\n", "12\" BOARD"}) {
    RecordingHost host;
    host.answer = std::strpbrk(text, ",\"") ? MessageAnswer::Yes : MessageAnswer::No;
    Grid grid = TableGrid(CutPieceTable());
    host.clipboard = text;
    EXPECT_TRUE(HandleGridKey(grid, {GridKey::Character, 22, true}, kCutPieceRules, host));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(grid.Text(1, 1), "") << text;
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(host.dataChanged + host.guards, 0);
  }
}

class GridSort : public testing::InWorkDir {
 protected:
  testing::RecordingHost host;
};

TEST_F(GridSort, NumbersByValueThenCompactedThroughTheTableFile) {
  Grid grid = TableGrid(CutPieceTable(), {{"5", "5", "10"}, {}, {"5", "5", "2"}, {}});
  grid.row = grid.rowSel = 3;
  grid.column = grid.columnSel = 3;
  ASSERT_TRUE(SortGrid(grid, SortDirection::Ascending, host));
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Text(1, 3), "2");
  EXPECT_EQ(grid.Text(2, 3), "10");
  EXPECT_EQ(grid.Text(3, 0), "3");
  EXPECT_EQ(ReadFile("cut.tlf"),
            "\"5\",\"5\",\"2\",\"\",\"\",\"\",\"\"\r\n"
            "\"5\",\"5\",\"10\",\"\",\"\",\"\",\"\"\r\n");
  EXPECT_EQ(std::pair(grid.row, grid.column), std::pair(1, 3));
  EXPECT_EQ(host.dataChanged + host.guards, 0);
}

TEST_F(GridSort, UnwritableTableFileKeepsTheRows) {
  Grid grid = TableGrid(CutPieceTable(), {{"", "", "7"}, {}, {"", "", "4"}});
  grid.SetTag("missing-folder/cut.tlf");
  grid.column = 3;
  EXPECT_FALSE(SortGrid(grid, SortDirection::Ascending, host));
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Text(1, 3), "");  // blanks read as 0 and come first
  EXPECT_EQ(grid.Text(2, 3), "4");
  EXPECT_EQ(grid.Text(3, 3), "7");
}

using GridPrint = testing::InWorkDir;

TEST_F(GridPrint, ChosenRowsWithoutBlankRowsOrHiddenColumns) {
  testing::RecordingHost host;
  host.printRange = PrintDialogAnswer::Selection;
  Grid grid = testing::SheetGrid({{"1"},
                                  {"250", "125", "3", "10", "10", "10", "10", "BAY 4"},
                                  {},
                                  {"300", "", "", "", "", "", "", "X"}});
  grid.row = 4;
  grid.rowSel = 2;
  const GridPrintContext context{.caption = "Sheet Specifications",
                                 .jobFileName = "C:\\Jobs\\KITCHEN.trm",
                                 .date = "07-03-2025"};
  ASSERT_TRUE(PrintGrid(grid, context, host));
  EXPECT_EQ(ReadFile("header.tlf"),
            "\r\nFile: KITCHEN.trm\r\nDate: 07-03-2025\r\n\r\nSheet Specifications\r\n\r\n"
            "LENGTH   WIDTH    QTY      LOCATION\r\n");
  EXPECT_EQ(ReadFile("Print.txt"),
            "250      125      3        BAY 4\r\n"
            "300                        X\r\n");
}

}  // namespace
}  // namespace trimora
