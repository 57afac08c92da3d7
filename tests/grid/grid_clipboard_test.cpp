#include "grid/grid_clipboard.h"

#include <gtest/gtest.h>

#include "grid/grid_input.h"
#include "grid_fixtures.h"
#include "recording_host.h"
#include "storage/application_title.h"

namespace trimora {
namespace {

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
  EXPECT_EQ(host.messages[0], (Message{"Paste from clipboard ?", kApplicationTitle,
                                       MessageButtons::YesNo, MessageIcon::Question}));
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

// Answering No, or a clipboard holding commas or double quotes (refused whole), changes nothing.
TEST(GridPaste, NoOrCommasAndQuotesChangeNothing) {
  for (const char* text : {"1\r\n2\r\n", "BAY 1\r\nBAY 2, LEFT\r\n", "12\" BOARD"}) {
    RecordingHost host;
    host.answer = MessageAnswer::No;
    Grid grid = TableGrid(CutPieceTable());
    host.clipboard = text;
    EXPECT_TRUE(HandleGridKey(grid, {GridKey::Character, 22, true}, kCutPieceRules, host));
    ASSERT_EQ(host.messages.size(), 1u);
    if (text[0] != '1') {
      EXPECT_EQ(host.messages[0],
                (Message{"The clipboard holds commas or double quotes, which a table cannot store.",
                         "Attention!", MessageButtons::Ok, MessageIcon::Exclamation}));
    }
    EXPECT_EQ(grid.Text(1, 1), "");
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(host.dataChanged + host.guards, 0);
  }
}

}  // namespace
}  // namespace trimora
