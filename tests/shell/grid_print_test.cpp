#include "shell/grid_print.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "grid_fixtures.h"
#include "recording_host.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::LaidOutGrid;
using testing::ReadFile;
using testing::RecordingHost;
using testing::SheetGrid;
using testing::TableGrid;
using testing::WriteFile;

class GridPrint : public testing::InWorkDir {};

GridPrintContext Context(std::string caption, PrintedGrid kind = PrintedGrid::Table) {
  GridPrintContext context;
  context.caption = std::move(caption);
  context.kind = kind;
  context.date = "07-03-2025";
  return context;
}

TEST_F(GridPrint, MaterialLibraryListsTheMeasureAfterTheLastColumn) {
  WriteFile("misc.set", "\"Area\"\r\n");
  RecordingHost host;
  const Grid grid = LaidOutGrid({"MAT", "GRADE", "THICK", "LENGTH", "WIDTH", "QTY", "LOCATION"},
                                {{"MS", "A", "2", "12", "10", "1", "BAY 1"}, {}});
  const auto files =
      PrintGrid(grid, Context("Material Library Manager", PrintedGrid::MaterialLibrary), host);
  ASSERT_TRUE(files);
  EXPECT_EQ(files->textFile, "Print.txt");
  EXPECT_EQ(ReadFile(files->headerFile),
            "\r\nDate: 07-03-2025\r\n\r\nMaterial Library Manager\r\n\r\n"
            "MAT     GRADE   THICK   LENGTH   WIDTH    QTY      LOCATION      AREA(SQUNITS)\r\n");
  EXPECT_EQ(ReadFile("Print.txt"),
            "MS      A       2       12       10       1        BAY 1         00120.00\r\n");
}

TEST_F(GridPrint, OffCutMeasureUsesTheJobsMaterial) {
  WriteFile("misc.set", "\"Weight\"\r\n");
  WriteFile("density.dat", "\"AL\",\"2.7\"\r\n\"MS\",\"7.85\"\r\n");
  RecordingHost host;
  const Grid grid = LaidOutGrid({"LAYOUT", "LENGTH", "WIDTH", "QTY", "LOCATION"},
                                {{"1", "10", "5", "1", "SCRAP"}});
  GridPrintContext context = Context("Off-Cut Table", PrintedGrid::OffCut);
  context.material = "MS";
  context.thickness = "2";
  ASSERT_TRUE(PrintGrid(grid, context, host));
  EXPECT_EQ(ReadFile("Print.txt"), "1       10       5        1        SCRAP         785.00\r\n");
  EXPECT_NE(ReadFile("header.tlf").find("QTY      LOCATION      WEIGHT\r\n"), std::string::npos);
}

TEST_F(GridPrint, HiddenColumnsTakeNoSpaceAndBlankRowsAreSkipped) {
  RecordingHost host;
  host.printRange = PrintDialogAnswer::Selection;
  Grid grid = SheetGrid({{"1"},
                         {"250", "125", "3", "10", "10", "10", "10", "BAY 4"},
                         {},
                         {"300", "", "", "", "", "", "", "X"}});
  grid.row = 4;
  grid.rowSel = 2;
  GridPrintContext context = Context("Sheet Specifications");
  context.jobFileName = "C:\\Jobs\\KITCHEN.trm";
  ASSERT_TRUE(PrintGrid(grid, context, host));
  EXPECT_EQ(ReadFile("header.tlf"),
            "\r\nFile: KITCHEN.trm\r\nDate: 07-03-2025\r\n\r\nSheet Specifications\r\n\r\n"
            "LENGTH   WIDTH    QTY      LOCATION\r\n");
  EXPECT_EQ(ReadFile("Print.txt"),
            "250      125      3        BAY 4\r\n"
            "300                        X\r\n");
}

TEST_F(GridPrint, ReportPrintsEveryRowAndNoColumnLine) {
  RecordingHost host;
  const Grid grid = LaidOutGrid({"REPORT"}, {{"LAYOUT NO. 1"}, {}, {"TOTAL"}});
  ASSERT_TRUE(PrintGrid(grid, Context("Report", PrintedGrid::Report), host));
  EXPECT_EQ(ReadFile("header.tlf"), "\r\nDate: 07-03-2025\r\n\r\nReport\r\n\r\n");
  EXPECT_EQ(ReadFile("Print.txt"), "LAYOUT NO. 1\r\n\r\nTOTAL\r\n");
}

TEST_F(GridPrint, CancelLeavesTheFilesAsTheyWere) {
  WriteFile("Print.txt", "old listing");
  RecordingHost host;
  host.printRange = PrintDialogAnswer::Cancelled;
  EXPECT_FALSE(PrintGrid(TableGrid(CutPieceTable(), {{"1"}}), Context("Cut"), host));
  EXPECT_EQ(ReadFile("Print.txt"), "old listing");
  EXPECT_FALSE(std::filesystem::exists("header.tlf"));
}

}  // namespace
}  // namespace trimora
