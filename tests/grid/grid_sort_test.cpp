#include "grid/grid_sort.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::TableGrid;

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
  EXPECT_EQ(grid.row, 1);
  EXPECT_EQ(grid.column, 3);
  EXPECT_EQ(host.dataChanged, 0);
  EXPECT_EQ(host.guards, 0);
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

}  // namespace
}  // namespace trimora
