#include "grid/grid_print.h"

#include <gtest/gtest.h>

#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;

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
  GridPrintContext context;
  context.caption = "Sheet Specifications";
  context.kind = PrintedGrid::Table;
  context.date = "07-03-2025";
  context.jobFileName = "C:\\Jobs\\KITCHEN.trm";
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
