#include "results/layouts_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "../shell/modal_driver.h"
#include "engine/optimization_run.h"
#include "results/layout_picture.h"
#include "results/layout_settings_window.h"
#include "support/scripted_dialog_service.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

int PageCount(const std::string& pdf) {
  return int(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")));
}

class LayoutsWindowTest : public testing::InWorkDir {
 protected:
  // Optimizes the tables silently and opens the window on the results, at the given size or
  // at its own.
  Dia& Open(QSize size = {900, 600}) {
    WriteFile("basic.tlf", "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n");
    WriteFile("sheet.tlf", "\"2500\",\"1250\",\"6\",\"10\",\"10\",\"10\",\"10\",\"\"\r\n");
    WriteFile("cut.tlf", "\"1200\",\"600\",\"7\",\"0\",\"DOOR\"\r\n\"800\",\"500\",\"9\"\r\n");
    RunControl silent;
    EXPECT_TRUE(RunOptimization(silent, 1).resultsWritten);
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
  EXPECT_FALSE(ReadFile("report.tlf").empty());
  const QImage first = Picture();
  Selector().setCurrentIndex(1);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  EXPECT_NE(Picture(), first);

  printer.setOutputFileName("all.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  Click("printLayoutsButton");
  EXPECT_EQ(dialogs.PrintDialogs(), std::vector<bool>{false});  // all layouts preset
  EXPECT_EQ(PageCount(ReadFile("all.pdf")), n);
  EXPECT_NE(ReadFile("DiaCur.tlf").find("Layout No. 2"), std::string::npos);  // redrawn
  printer.setOutputFileName("current.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Click("printLayoutsButton");
  EXPECT_EQ(PageCount(ReadFile("current.pdf")), 1);
  printer.setOutputFileName("cancelled.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Cancelled);
  Click("printLayoutsButton");
  EXPECT_FALSE(std::filesystem::exists("cancelled.pdf"));

  // Previews ask no range.
  printer.setOutputFileName("layouts.pdf");
  dialogs.QueuePreview();
  Click("previewLayoutsButton");
  EXPECT_EQ(PageCount(ReadFile("layouts.pdf")), n);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // no label definition: said, and no preview
  Click("previewLabelsButton");
  EXPECT_EQ(dialogs.Previews(), 1);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"0\",\"1\"\r\n");
  printer.setOutputFileName("labels.pdf");
  dialogs.QueuePreview();
  Click("previewLabelsButton");
  EXPECT_NE(ReadFile("lbl.tlf").find("Descr:DOOR"), std::string::npos);
  EXPECT_GE(PageCount(ReadFile("labels.pdf")), 1);
  EXPECT_EQ(dialogs.Previews(), 2);
  EXPECT_EQ(dialogs.PrintDialogs().size(), 3u);  // only the three prints asked
}

}  // namespace
}  // namespace trimora
