#include "results/layouts_window.h"

#include <gtest/gtest.h>

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
  // Optimizes the tables silently and opens the window on the results.
  Dia& Open() {
    WriteFile("basic.tlf", "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n");
    WriteFile("sheet.tlf", "\"2500\",\"1250\",\"6\",\"10\",\"10\",\"10\",\"10\",\"\"\r\n");
    WriteFile("cut.tlf", "\"1200\",\"600\",\"7\",\"0\",\"DOOR\"\r\n\"800\",\"500\",\"9\"\r\n");
    RunControl silent;
    EXPECT_TRUE(RunOptimization(silent, 1).resultsWritten);
    printer.setOutputFormat(QPrinter::PdfFormat);
    window = std::make_unique<Dia>(dialogs, printer, jobFileName);
    window->resize(900, 600);
    window->show();
    EXPECT_TRUE(window->Dia_Form_Load());
    return *window;
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
  const QImage whole = dia.Pic->Image();
  EXPECT_FALSE(dia.HS->isEnabled());
  EXPECT_EQ(dia.HS->height(), dia.HS->sizeHint().height());
  QTest::keyClick(dia.cmb, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_GT(dia.View().zoom, 1);
  EXPECT_TRUE(dia.HS->isEnabled());  // the width no longer fits
  QTest::mouseClick(dia.cmdZoomIn, Qt::LeftButton);
  const QImage zoomed = dia.Pic->Image();
  dia.HS->setValue(dia.HS->maximum());
  EXPECT_NE(dia.Pic->Image(), zoomed);
  QTest::keyClick(dia.cmb, Qt::Key_Minus, Qt::ControlModifier);
  QTest::mouseClick(dia.cmdZoomOut, Qt::LeftButton);
  EXPECT_EQ(dia.View().zoom, 1);
  QTest::keyClick(dia.cmb, Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(dia.cmb, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(dia.Pic->Image(), whole);
  QTest::mouseClick(dia.cmdZoomIn, Qt::LeftButton);
  QTest::mouseClick(dia.cmdZoomFit, Qt::LeftButton);
  EXPECT_EQ(dia.Pic->Image(), whole);
}

TEST_F(LayoutsWindowTest, SettingsGoThroughDiaSetAndAreDrawnAtOnce) {
  Dia& dia = Open();
  const QImage before = dia.Pic->Image();
  testing::ModalDriver driver([](QWidget* modal) {
    auto* settings = dynamic_cast<DiaSet*>(modal);
    ASSERT_NE(settings, nullptr);
    for (size_t box : {4u, 6u, 8u}) settings->chk[box]->setChecked(true);
    settings->cmb->setCurrentIndex(settings->cmb->findText("2"));
    QTest::mouseClick(settings->cmdApply, Qt::LeftButton);
  });
  QTest::mouseClick(dia.cmdSettings, Qt::LeftButton);
  ASSERT_FALSE(driver.TimedOut());
  EXPECT_EQ(ReadFile("dia.set"), "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n2\r\n");
  EXPECT_TRUE(dia.Model().settings.cutPieceColor);
  EXPECT_FALSE(dia.Model().settings.offCutBoundries);  // always off in the drawing
  EXPECT_NE(dia.Pic->Image(), before);
}

TEST_F(LayoutsWindowTest, DrawsTheChosenLayoutPrintsItOrAllAndPreviewsTheWholePlan) {
  Dia& dia = Open();
  const int n = dia.Model().layouts;
  ASSERT_GE(n, 2);
  EXPECT_EQ(dia.cmb->currentText(), QString("1 / %1").arg(n));
  EXPECT_TRUE(dia.txt->toPlainText().startsWith("Layout No. 1"));
  EXPECT_FALSE(ReadFile("report.tlf").empty());
  const QImage first = dia.Pic->Image();
  dia.cmb->setCurrentIndex(1);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  EXPECT_NE(dia.Pic->Image(), first);

  printer.setOutputFileName("all.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::AllPages);
  QTest::mouseClick(dia.cmdPrintData, Qt::LeftButton);
  EXPECT_EQ(dialogs.PrintDialogs(), std::vector<bool>{false});  // all layouts preset
  EXPECT_EQ(PageCount(ReadFile("all.pdf")), n);
  EXPECT_NE(ReadFile("DiaCur.tlf").find("Layout No. 2"), std::string::npos);  // redrawn
  printer.setOutputFileName("current.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  dia.cmdPrintData_Click();
  EXPECT_EQ(PageCount(ReadFile("current.pdf")), 1);
  printer.setOutputFileName("cancelled.pdf");
  dialogs.QueuePrint(PrintDialogAnswer::Cancelled);
  dia.cmdPrintData_Click();
  EXPECT_FALSE(std::filesystem::exists("cancelled.pdf"));

  // Previews ask no range.
  printer.setOutputFileName("layouts.pdf");
  dialogs.QueuePreview();
  QTest::mouseClick(dia.cmdPreviewLayouts, Qt::LeftButton);
  EXPECT_EQ(PageCount(ReadFile("layouts.pdf")), n);
  EXPECT_EQ(dia.CurrentLayout(), 2);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // no label definition: said, and no preview
  QTest::mouseClick(dia.cmdPreviewLabels, Qt::LeftButton);
  EXPECT_EQ(dialogs.Previews(), 1);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  WriteFile("lbl.def", "\"3\",\"1\",\"30\",\"0\",\"1\"\r\n");
  printer.setOutputFileName("labels.pdf");
  dialogs.QueuePreview();
  QTest::mouseClick(dia.cmdPreviewLabels, Qt::LeftButton);
  EXPECT_NE(ReadFile("lbl.tlf").find("Descr:DOOR"), std::string::npos);
  EXPECT_GE(PageCount(ReadFile("labels.pdf")), 1);
  EXPECT_EQ(dialogs.Previews(), 2);
  EXPECT_EQ(dialogs.PrintDialogs().size(), 3u);  // only the three prints asked
}

}  // namespace
}  // namespace trimora
