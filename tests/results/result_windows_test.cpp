// The Report and Off-Cut Table windows as the main window opens them after an optimization:
// the report line by line, LOCATION notes kept in offcut.tlf, and the export to the
// Material Library.

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <filesystem>

#include "../shell/main_window_fixture.h"
#include "engine/optimization_run.h"
#include "results/layouts_window.h"
#include "results/offcut_window.h"
#include "results/report_window.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class ResultWindowsTest : public testing::MainWindowTest {
 protected:
  // Opens the main window on an optimized job.
  BaseModule& Optimized() {
    Open();
    WriteFile("basic.tlf", "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n");
    WriteFile("sheet.tlf", "\"2500\",\"1250\",\"6\",\"10\",\"10\",\"10\",\"10\",\"\"\r\n");
    WriteFile("cut.tlf", "\"1200\",\"600\",\"7\",\"0\",\"DOOR\"\r\n\"800\",\"500\",\"9\"\r\n");
    RunControl silent;
    EXPECT_TRUE(RunOptimization(silent, 1).resultsWritten);
    return *main;
  }
  OFFCUT& Offcuts() {
    main->ShowOffcutTable();
    return *main->OffcutWindow();
  }
  QPushButton* OffcutButton(const char* name) {
    return main->OffcutWindow()->findChild<QPushButton*>(name);
  }
  // Closes the Off-Cut Table window as the user does, through its frame.
  void CloseOffcuts() {
    main->OffcutWindow()->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(main->OffcutWindow(), nullptr);
  }
  static std::vector<std::string> Column(const Grid& grid, int column) {
    std::vector<std::string> texts;
    for (int r = 1; r < grid.RowCount(); ++r) texts.push_back(grid.Text(r, column));
    return texts;
  }
};

TEST_F(ResultWindowsTest, ReportShowsOneRowPerFieldAndSplitsALineAtItsComma) {
  Optimized();
  WriteFile("report.tlf", "Total Layouts=1\r\n\r\nNote: glass, handle with care\r\n");
  main->ShowReport();
  REPORT* report = main->ReportWindow();
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(
      Column(report->grid(), 1),
      (std::vector<std::string>{"Total Layouts=1", "", "Note: glass", "handle with care", ""}));
  // Sorting leaves report.tlf as the drawing reads it.
  testing::ActionOf(*report, "sortDescendingAction").trigger();
  EXPECT_EQ(report->grid().Text(1, 1), "Total Layouts=1");
  EXPECT_EQ(ReadFile("report.tlf"), "Total Layouts=1\r\n\r\nNote: glass, handle with care\r\n");
  main->ShowLayouts();  // the Layouts window takes over; the report hides
  EXPECT_FALSE(report->parentWidget()->isVisible());
  // It fills the main window's area, also after the main window is made smaller.
  main->resize(800, 600);
  QCoreApplication::processEvents();
  EXPECT_EQ(main->LayoutsWindow()->parentWidget()->geometry(), Area().viewport()->rect());
}

TEST_F(ResultWindowsTest, AReportOlderThanTheResultsIsDerivedFirst) {
  WriteFile("report.tlf", "Total Layouts=99\r\n");
  std::filesystem::last_write_time(
      "report.tlf", std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  Optimized();
  main->ShowReport();
  const std::string first = main->ReportWindow()->grid().Text(1, 1);
  EXPECT_EQ(first.rfind("Total Layouts=", 0), 0u);
  EXPECT_NE(first, "Total Layouts=99");
  EXPECT_EQ(ReadFile("report.tlf").rfind(first, 0), 0u);
}

TEST_F(ResultWindowsTest, OffcutsWithoutEntryRowAndOnlyLocationTakesTyping) {
  Optimized();
  main->ShowOffcutTable();
  OFFCUT& offcuts = *main->OffcutWindow();
  Grid& grid = offcuts.grid();
  const int rows = grid.RowCount();
  ASSERT_GE(rows, 3);
  EXPECT_NE(grid.Text(rows - 1, 2), "");  // the last row is an off-cut
  EXPECT_FALSE(OffcutButton("exportButton")->isEnabled());
  const std::string length = grid.Text(1, 2);
  testing::TypeInto(offcuts, 1, 2, "9");
  EXPECT_EQ(grid.Text(1, 2), length);
  testing::TypeInto(offcuts, rows - 1, 5, "RACK 4");
  EXPECT_EQ(grid.Text(rows - 1, 5), "RACK 4");
  EXPECT_EQ(grid.RowCount(), rows);  // typing in the last row adds none
  QTest::mouseClick(OffcutButton("sortDescendingButton"), Qt::LeftButton);  // on LOCATION
  EXPECT_EQ(grid.Text(1, 5), "RACK 4");
  EXPECT_EQ(grid.RowCount(), rows);  // nor does a sort
  CloseOffcuts();
  EXPECT_NE(ReadFile("offcut.tlf").find("\"RACK 4\""), std::string::npos);
  const auto locations = Column(Offcuts().grid(), 5);  // read back, not added again
  EXPECT_EQ(std::count(locations.begin(), locations.end(), "RACK 4"), 1);
}

TEST_F(ResultWindowsTest, PrintWithTheMeasureAndExportAfterAnImportIntoTheLibraryOnce) {
  Optimized();
  WriteFile("misc.set", "\"Area\"\r\n");
  main->SetImportedFromLibrary();
  OFFCUT& offcuts = Offcuts();
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  QTest::mouseClick(OffcutButton("printButton"), Qt::LeftButton);
  EXPECT_NE(ReadFile("header.tlf").find("Off-Cut Table"), std::string::npos);
  EXPECT_NE(ReadFile("header.tlf").find("AREA(SQUNITS)"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists("listing.pdf"));
  std::filesystem::remove("listing.pdf");
  dialogs.QueuePreview();  // the preview shows every row without asking which
  QTest::mouseClick(OffcutButton("printPreviewButton"), Qt::LeftButton);
  EXPECT_TRUE(std::filesystem::exists("listing.pdf"));
  EXPECT_EQ(dialogs.PrintDialogs().size(), 1u);

  QPushButton* exportButton = OffcutButton("exportButton");
  ASSERT_TRUE(exportButton->isEnabled());
  dialogs.QueueAnswer(MessageAnswer::No);
  QTest::mouseClick(exportButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(),
            (Message{"Update Material Library?", "Attention!", MessageButtons::YesNo,
                     MessageIcon::Question, MessageDefault::Second}));
  EXPECT_FALSE(std::filesystem::exists("mlm.dat"));
  EXPECT_TRUE(exportButton->isEnabled());

  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  QTest::mouseClick(exportButton, Qt::LeftButton);
  EXPECT_EQ(dialogs.Messages().back(), (Message{"Material Library Updated!", "Attention!",
                                                MessageButtons::Ok, MessageIcon::Information}));
  EXPECT_FALSE(exportButton->isEnabled());
  EXPECT_FALSE(main->ImportedFromLibrary());
  const Grid& grid = offcuts.grid();
  const std::string library = ReadFile("mlm.dat");
  for (int r = 1; r < grid.RowCount(); ++r) {
    const std::string size =
        "\"AL\",\"H14\",\"3\",\"" + grid.Text(r, 2) + "\",\"" + grid.Text(r, 3) + "\"";
    EXPECT_NE(library.find(size), std::string::npos) << size;
  }
  CloseOffcuts();
  Offcuts();
  EXPECT_FALSE(OffcutButton("exportButton")->isEnabled());  // until rolls are imported again
  EXPECT_TRUE(dialogs.AllAnswersUsed());
}

}  // namespace
}  // namespace trimora
