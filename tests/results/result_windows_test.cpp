// The windows of an optimization's results: the Layouts window on its own, and the Report and
// Off-Cut Table windows in the main window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "../shell/main_window_fixture.h"
#include "../shell/modal_driver.h"
#include "grid/grid_fixtures.h"
#include "results/label_sheet.h"
#include "results/layout_dxf.h"
#include "results/layout_picture.h"
#include "results/layout_settings_window.h"
#include "results/layouts_window.h"
#include "results/offcut_window.h"
#include "results/report_window.h"
#include "support/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class LayoutsWindowTest : public testing::InWorkDir {
 protected:
  // Optimizes the tables silently and opens the window on the results, at the given size or
  // at its own.
  Dia& Open(QSize size = {900, 600}) {
    testing::OptimizeCabinet();
    printer.setOutputFormat(QPrinter::PdfFormat);
    window = std::make_unique<Dia>(dialogs, printer, jobFileName);
    if (size.isValid()) window->resize(size);
    window->show();
    EXPECT_TRUE(window->Load());
    Settle();
    return *window;
  }
  // Lets the layouts finish what a new size or a new text set off.
  static void Settle() { QCoreApplication::sendPostedEvents(); }

  template <typename Control>
  Control& Find(const char* name) {
    auto* control = window->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  QImage Picture() { return Find<LayoutPicture>("picture").Image(); }
  QComboBox& Selector() { return Find<QComboBox>("layoutSelector"); }
  void Click(const char* button) {
    QTest::mouseClick(&Find<QAbstractButton>(button), Qt::LeftButton);
  }

  ScriptedDialogService dialogs;
  QPrinter printer;
  std::string jobFileName = "C:\\JOBS\\CABINET.TRM";
  std::unique_ptr<Dia> window;
};

TEST_F(LayoutsWindowTest, ZoomsByButtonsAndKeysAndFitGoesBackToTheWholeWidth) {
  Dia& dia = Open();
  dia.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dia));
  const QImage whole = Picture();
  QScrollBar& across = Find<QScrollBar>("horizontalScrollBar");
  EXPECT_FALSE(across.isEnabled());
  QTest::keyClick(&Selector(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_GT(dia.View().zoom, 1);
  EXPECT_TRUE(across.isEnabled());  // the width no longer fits
  Click("zoomInButton");
  const QImage zoomed = Picture();
  across.setValue(across.maximum());
  EXPECT_NE(Picture(), zoomed);
  QTest::keyClick(&Selector(), Qt::Key_Minus, Qt::ControlModifier);
  Click("zoomOutButton");
  EXPECT_EQ(dia.View().zoom, 1);
  QTest::keyClick(&Selector(), Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(&Selector(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(Picture(), whole);
  Click("zoomInButton");
  Click("zoomFitButton");
  EXPECT_EQ(Picture(), whole);
}

// The detail text shows its widest line whole, the picture giving way; the picture stays a
// square with its thin scroll bars along two sides.
TEST_F(LayoutsWindowTest, TheDetailTextIsWholeAndThePictureSquareAtEverySize) {
  Dia& dia = Open(QSize());
  const auto& text = Find<QPlainTextEdit>("detailText");
  const auto& picture = Find<LayoutPicture>("picture");
  const auto& down = Find<QScrollBar>("verticalScrollBar");
  const auto& across = Find<QScrollBar>("horizontalScrollBar");
  for (const QSize size : {dia.size(), QSize(800, 600), QSize(1600, 500)}) {
    SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
    dia.resize(size);
    Settle();
    const QFontMetricsF metrics(text.font());
    qreal widest = 0;
    for (const QString& line : text.toPlainText().split('\n'))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    EXPECT_LE(widest + 2 * text.document()->documentMargin(), text.viewport()->width());
    EXPECT_EQ(text.horizontalScrollBar()->maximum(), 0);

    EXPECT_EQ(picture.width(), picture.height());
    EXPECT_GE(picture.width(), 200);
    EXPECT_EQ(picture.Image().size(), picture.size());
    EXPECT_EQ(down.geometry(), QRect(picture.geometry().topRight() + QPoint(1, 0),
                                     QSize(down.sizeHint().width(), picture.height())));
    EXPECT_EQ(across.geometry(), QRect(picture.geometry().bottomLeft() + QPoint(0, 1),
                                       QSize(picture.width(), across.sizeHint().height())));
    EXPECT_LT(down.mapTo(&dia, QPoint(down.width(), 0)).x(), text.mapTo(&dia, QPoint()).x());
  }
  // Where the width allows, the square takes the whole height.
  EXPECT_EQ(across.geometry().bottom(), picture.parentWidget()->height() - 1);
}

TEST_F(LayoutsWindowTest, SettingsGoThroughDiaSetAndAreDrawnAtOnce) {
  Dia& dia = Open();
  const QImage before = Picture();
  testing::ModalDriver driver([](QWidget* modal) {
    auto* settings = dynamic_cast<DiaSet*>(modal);
    ASSERT_NE(settings, nullptr);
    for (const char* box : {"cutPieceDimensions", "cutPieceColor", "offCutBoundries"})
      settings->findChild<QCheckBox*>(box)->setChecked(true);
    auto* scale = settings->findChild<QComboBox*>("printerScale");
    scale->setCurrentIndex(scale->findText("2"));
    QTest::mouseClick(settings->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
  });
  Click("settingsButton");
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_EQ(ReadFile("dia.set"), "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n2\r\n");
  EXPECT_TRUE(dia.Model().settings.cutPieceColor);
  EXPECT_FALSE(dia.Model().settings.offCutBoundries);  // always off in the drawing
  EXPECT_NE(Picture(), before);
}

TEST_F(LayoutsWindowTest, DrawsTheChosenLayoutPrintsItOrAllAndPreviewsTheWholePlan) {
  Dia& dia = Open();
  const int n = dia.Model().layouts;
  ASSERT_GE(n, 2);
  EXPECT_EQ(Selector().currentText(), QString("1 / %1").arg(n));
  EXPECT_TRUE(Find<QPlainTextEdit>("detailText").toPlainText().startsWith("Layout No. 1"));
  const QImage first = Picture();
  Selector().setCurrentIndex(1);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  EXPECT_NE(Picture(), first);

  printer.setOutputFileName("all.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  Click("printLayoutsButton");
  EXPECT_EQ(dialogs.PrintDialogs(), std::vector<bool>{false});  // all layouts preset
  EXPECT_EQ(testing::PdfPages("all.pdf"), n);
  EXPECT_NE(ReadFile("DiaCur.tlf").find("Layout No. 2"), std::string::npos);  // redrawn
  printer.setOutputFileName("current.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Click("printLayoutsButton");
  EXPECT_EQ(testing::PdfPages("current.pdf"), 1);
  printer.setOutputFileName("cancelled.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Cancelled);
  Click("printLayoutsButton");
  EXPECT_FALSE(std::filesystem::exists("cancelled.pdf"));

  // Previews ask no range.
  printer.setOutputFileName("layouts.pdf");
  dialogs.QueuePreview();
  Click("previewLayoutsButton");
  EXPECT_EQ(testing::PdfPages("layouts.pdf"), n);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"0\",\"1\"\r\n");
  printer.setOutputFileName("labels.pdf");
  dialogs.QueuePreview();
  Click("previewLabelsButton");
  EXPECT_NE(ReadFile("lbl.tlf").find("Descr:DOOR"), std::string::npos);
  EXPECT_GE(testing::PdfPages("labels.pdf"), 1);
  EXPECT_EQ(dialogs.Previews(), 2);
  EXPECT_EQ(dialogs.PrintDialogs().size(), 3u);  // only the three prints asked
}

// The saw's side of a layout: its sequence on the second tab with the figures under both tabs,
// numbered cuts on the drawing and the sequence on paper, both choices kept in saw.set for the
// next time the window opens; dia.set is not touched.
TEST_F(LayoutsWindowTest, CutSequenceTabNumberedCutsAndPrintedSequenceAreKept) {
  Open();
  const QString sequence = Find<QPlainTextEdit>("cutSequenceText").toPlainText();
  EXPECT_TRUE(sequence.startsWith("Layout 1: ")) << sequence.toStdString();
  EXPECT_TRUE(sequence.contains("\nCut 1: ")) << sequence.toStdString();
  EXPECT_EQ(Find<QLabel>("sawFigures").text(), sequence.section('\n', 0, 0));
  Selector().setCurrentIndex(1);
  EXPECT_TRUE(Find<QPlainTextEdit>("cutSequenceText").toPlainText().startsWith("Layout 2: "));
  EXPECT_TRUE(Find<QLabel>("sawFigures").text().startsWith("Layout 2: "));

  const QImage plain = Picture();
  Click("numberCutsCheck");
  const QImage numbered = Picture();
  EXPECT_NE(numbered, plain);
  printer.setOutputFileName("plain.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Click("printLayoutsButton");
  Click("printCutSequenceCheck");
  printer.setOutputFileName("sequence.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Click("printLayoutsButton");
  EXPECT_GT(std::filesystem::file_size("sequence.pdf"), std::filesystem::file_size("plain.pdf"));
  EXPECT_EQ(ReadFile("saw.set"),
            "through-cuts-only=0\r\nnumber-cuts=1\r\nprint-cut-sequence=1\r\n");
  EXPECT_FALSE(std::filesystem::exists("dia.set"));

  window.reset();
  Open();
  EXPECT_TRUE(Find<QCheckBox>("numberCutsCheck").isChecked());
  EXPECT_TRUE(Find<QCheckBox>("printCutSequenceCheck").isChecked());
  Selector().setCurrentIndex(1);
  EXPECT_EQ(Picture(), numbered);
}

// Export DXF: the current layout where the save dialog says, or every layout into a folder
// under the job's name, asking before drawings there are replaced; a failed write is said.
TEST_F(LayoutsWindowTest, ExportsTheCurrentLayoutOrAllAsDxfDrawings) {
  Dia& dia = Open();
  Selector().setCurrentIndex(1);
  dialogs.QueueAnswer(MessageAnswer::No);  // not all: layout 2 only
  dialogs.QueueFile("two.dxf");
  Click("exportDxfButton");
  EXPECT_EQ(ReadFile("two.dxf"),
            LayoutDxf(dia.Model(),
                      DeriveOffcuts(dia.Model().records, dia.Model().basic.KERF, ReadScrapLimits()),
                      LoadTableGrid(CutPieceTable()), 2));

  std::filesystem::create_directory("cam");
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueFile("cam");
  Click("exportDxfButton");
  const int n = dia.Model().layouts;
  for (int i = 1; i <= n; ++i) {
    EXPECT_TRUE(
        ReadFile("cam/CABINET-L" + std::to_string(i) + ".dxf").starts_with("  0\r\nSECTION"))
        << i;
  }
  WriteFile("cam/CABINET-L1.dxf", "kept");
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueFile("cam");
  dialogs.QueueAnswer(MessageAnswer::No);  // do not replace
  Click("exportDxfButton");
  EXPECT_EQ(ReadFile("cam/CABINET-L1.dxf"), "kept");

  dialogs.QueueAnswer(MessageAnswer::No);
  dialogs.QueueFile("missing/one.dxf");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Click("exportDxfButton");
  EXPECT_TRUE(dialogs.Messages().back().text.starts_with("one.dxf: "))
      << dialogs.Messages().back().text;
  EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// Print Labels prints the labels of the layout on display or of all layouts, once they are
// defined.
TEST_F(LayoutsWindowTest, PrintLabelsForTheCurrentLayoutOrAllLayouts) {
  Dia& dia = Open();
  const AreaList& records = dia.Model().records;
  const auto pieces = [&records](int layout) {
    return int(std::count_if(records.begin() + 1, records.end(), [layout](const AreaRecord& r) {
      return r.TYPE > 0 && (layout == 0 || r.layout == layout);
    }));
  };
  const auto labels = [] {  // each label starts with the material
    const std::string text = ReadFile("lbl.tlf");
    int count = 0;
    for (size_t at = 0; (at = text.find("Mat=AL", at)) != std::string::npos; ++at) ++count;
    return count;
  };
  ASSERT_LT(pieces(1), pieces(0));
  printer.setOutputFileName("labels.pdf");
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Click("printLabelsButton");  // without a definition: the message, no printer asked for
  EXPECT_EQ(dialogs.Messages().back().text, kLabelsNotDefinedMessage);
  EXPECT_TRUE(dialogs.PrintDialogs().empty());
  EXPECT_FALSE(std::filesystem::exists("labels.pdf"));

  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"0\",\"1\"\r\n");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Click("printLabelsButton");
  EXPECT_EQ(labels(), pieces(1));
  EXPECT_TRUE(std::filesystem::exists("labels.pdf"));
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  Click("printLabelsButton");
  EXPECT_EQ(labels(), pieces(0));
}

// --- The Report and Off-Cut Table windows as the main window opens them -------------------
// The report line by line, LOCATION notes kept in offcut.tlf, and the export to the Material
// Library.

class ResultWindowsTest : public testing::MainWindowTest {
 protected:
  // Opens the main window on an optimized job.
  BaseModule& Optimized() {
    Open();
    testing::OptimizeCabinet();
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
};

TEST_F(ResultWindowsTest, ReportShowsOneRowPerFieldAndSplitsALineAtItsComma) {
  Optimized();
  WriteFile("report.tlf", "Total Layouts=1\r\n\r\nNote: glass, handle with care\r\n");
  main->ShowReport();
  REPORT* report = main->ReportWindow();
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(
      testing::ColumnTexts(report->grid(), 1),
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
  const auto locations = testing::ColumnTexts(Offcuts().grid(), 5);  // read back, not added again
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
  dialogs.QueueAnswer(MessageAnswer::No);  // update the library?
  QTest::mouseClick(exportButton, Qt::LeftButton);
  EXPECT_FALSE(std::filesystem::exists("mlm.dat"));
  EXPECT_TRUE(exportButton->isEnabled());
  dialogs.QueueAnswer(MessageAnswer::Yes);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // updated
  QTest::mouseClick(exportButton, Qt::LeftButton);
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
