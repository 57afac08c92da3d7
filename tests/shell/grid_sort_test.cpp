#include "shell/grid_sort.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::RecordingHost;
using testing::TableGrid;

class GridSort : public testing::InWorkDir {};

TEST_F(GridSort, NumbersByValueThenCompactedThroughTheTableFile) {
  RecordingHost host;
  Grid grid = TableGrid(CutPieceTable(), {{"5", "5", "10"}, {}, {"5", "5", "2"}, {}});
  grid.row = grid.rowSel = 3;
  grid.column = grid.columnSel = 3;
  ASSERT_TRUE(SortGrid(grid, SortDirection::Ascending, host));
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Text(1, 3), "2");
  EXPECT_EQ(grid.Text(2, 3), "10");
  EXPECT_EQ(grid.Text(3, 3), "");
  EXPECT_EQ(grid.Text(3, 0), "3");
  EXPECT_EQ(ReadFile("cut.tlf"),
            "\"5\",\"5\",\"2\",\"\",\"\",\"\",\"\"\r\n"
            "\"5\",\"5\",\"10\",\"\",\"\",\"\",\"\"\r\n");
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.column, 3);
  EXPECT_EQ(host.dataChanged, 0);
  EXPECT_EQ(host.guards, 0);
}

TEST_F(GridSort, TextIgnoresCase) {
  RecordingHost host;
  Grid grid = TableGrid(RollSpecificationsTable(), {{"1", "", "", "", "", "", "", "bay 2"},
                                                    {"2", "", "", "", "", "", "", "BAY 1"},
                                                    {"3", "", "", "", "", "", "", "Bay 10"}});
  grid.column = 8;
  SortGrid(grid, SortDirection::Ascending, host);
  EXPECT_EQ(grid.Text(1, 8), "BAY 1");
  EXPECT_EQ(grid.Text(2, 8), "Bay 10");
  EXPECT_EQ(grid.Text(3, 8), "bay 2");
}

TEST_F(GridSort, TiesBrokenByTheColumnsToTheRightNotTheLeft) {
  RecordingHost host;
  Grid grid = TableGrid(CutPieceTable(), {{"1", "20", "3"}, {"2", "100", "1"}, {"3", "20", "2"}});
  grid.column = 2;
  SortGrid(grid, SortDirection::Descending, host);
  EXPECT_EQ(grid.Text(1, 1), "2");  // WIDTH 100
  EXPECT_EQ(grid.Text(2, 1), "1");  // WIDTH 20, QTY 3
  EXPECT_EQ(grid.Text(3, 1), "3");  // WIDTH 20, QTY 2
}

TEST_F(GridSort, UnwritableTableFileKeepsTheRows) {
  RecordingHost host;
  Grid grid = TableGrid(CutPieceTable(), {{"", "", "7"}, {}, {"", "", "4"}});
  grid.SetTag("missing-folder/cut.tlf");
  grid.column = 3;
  EXPECT_FALSE(SortGrid(grid, SortDirection::Ascending, host));
  ASSERT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.Text(1, 3), "");  // blanks read as 0 and come first
  EXPECT_EQ(grid.Text(2, 3), "4");
  EXPECT_EQ(grid.Text(3, 3), "7");
}

}  // namespace
}  // namespace trimora
