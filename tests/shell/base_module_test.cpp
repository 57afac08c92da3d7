#include "shell/base_module.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QToolBar>

#include "main_window_fixture.h"
#include "shell/cut_window.h"
#include "shell/sheet_window.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using BaseModuleTest = testing::MainWindowTest;

constexpr const char* kDefaults =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
    "[DIA.TLF]\r\n[END]\r\n";

TEST_F(BaseModuleTest, WithoutDefaultsOpensAnEmptyFrame) {
  BaseModule& window = Open();
  EXPECT_EQ(window.windowTitle(), "Base Module");
  EXPECT_TRUE(window.Area()->subWindowList().isEmpty());
}

TEST_F(BaseModuleTest, MenusAndToolbarAsTheUserFindsThem) {
  BaseModule& window = Open();
  EXPECT_EQ(window.mnuFile()[2]->text(), "&Open...");
  EXPECT_EQ(window.mnuFile()[1]->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_TRUE(window.mnuFile()[5]->isSeparator());
  EXPECT_EQ(window.mnuEdit()[3]->text(), "Roll Specifications");
  EXPECT_EQ(window.mnuEdit()[3]->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_TRUE(window.mnuOptimize()[3]->isChecked());
  EXPECT_FALSE(window.mnuOptimize()[3]->isEnabled());
  EXPECT_FALSE(window.mnuOptimize()[4]->isChecked());
  EXPECT_FALSE(window.mnuView()[5]->isEnabled());
  EXPECT_TRUE(window.mnuView()[3]->isEnabled());
  EXPECT_FALSE(window.mnutools()[1]->isEnabled());
  EXPECT_FALSE(window.mnuHelp()[1]->isEnabled());
  EXPECT_EQ(window.TB()[1]->toolTip(), "New FIle");
  EXPECT_EQ(window.TB()[14]->toolTip(), "Off-Cut Table");
  EXPECT_TRUE(window.TB()[14]->isEnabled());
  EXPECT_FALSE(window.TB()[7]->isVisible());
  EXPECT_TRUE(window.TB()[6]->isVisible());
}

TEST_F(BaseModuleTest, OffCutButtonBeforeAnyOptimization) {
  BaseModule& window = Open();
  dialogs.QueueAnswer(MessageAnswer::Ok);
  window.TB_ButtonClick(14);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0], (Message{"This file was not optimized.", "Attention!",
                                            MessageButtons::Ok, MessageIcon::Question}));
}

// The Defaults job's windows are opened before the main window first shows, when the child
// area has no size yet; they must still come up stacked down the whole area.
TEST_F(BaseModuleTest, DefaultsWindowsOpenStackedDownTheWholeArea) {
  WriteFile("Defaults", kDefaults);
  BaseModule& window = Open();
  const QSize area = window.Area()->viewport()->size();
  int top = 0;
  for (JobWindow kind : {JobWindow::Basic, JobWindow::Sheet, JobWindow::Cut}) {
    const QWidget* frame = Window(kind).parentWidget();
    EXPECT_EQ(frame->y(), top);
    EXPECT_GE(frame->height(), 2 * Window(kind).FG->RowHeight());
    EXPECT_EQ(frame->width(), std::min(frame->sizeHint().width(), area.width()));
    top += frame->height();
  }
  EXPECT_EQ(top, area.height());
}

TEST_F(BaseModuleTest, DefaultsAreLoadedWithTheirHiddenValuesKept) {
  WriteFile("Defaults", kDefaults);
  BaseModule& window = Open();
  EXPECT_EQ(window.Area()->subWindowList().size(), 3);
  EXPECT_EQ(window.windowTitle(), "Base Module");
  EXPECT_TRUE(window.mnuOptimize()[4]->isChecked());
  Grid& basic = GridOf(JobWindow::Basic);
  EXPECT_EQ(basic.RowCount(), 2);
  EXPECT_EQ(basic.Text(1, 4), "1550");
  EXPECT_EQ(basic.ColumnWidth(4), 0);
  EXPECT_EQ(basic.ColumnWidth(0), 0);
  TypeAt(JobWindow::Basic, 1, 7, "rush, \"job\"");
  EXPECT_EQ(basic.Text(1, 7), "RUSH JOB");
  EXPECT_TRUE(window.State().dataChanged);
  Window(JobWindow::Basic).parentWidget()->close();
  EXPECT_EQ(ReadFile("basic.tlf"), "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"RUSH JOB\"\r\n");
}

TEST_F(BaseModuleTest, TypingFollowsTheEntryRulesAndKeepsAnEntryRow) {
  Open();
  TypeAt(JobWindow::Cut, 1, 1, "1.2.3");
  TypeAt(JobWindow::Cut, 1, 3, "-5");
  TypeAt(JobWindow::Cut, 1, 4, "312");  // ORN takes one character, 1 or 2
  const Grid& cut = GridOf(JobWindow::Cut);
  EXPECT_EQ(cut.Text(1, 1), "1.23");
  EXPECT_EQ(cut.Text(1, 3), "5");
  EXPECT_EQ(cut.Text(1, 4), "1");
  EXPECT_EQ(cut.RowCount(), 3);
  EXPECT_EQ(cut.Text(2, 0), "2");
}

TEST_F(BaseModuleTest, GuardOnSizesButNotOnLocation) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  Open();
  TypeAt(JobWindow::Sheet, 1, 8, "b");
  EXPECT_FALSE(ReadFile("dia.tlf").empty());
  dialogs.QueueAnswer(MessageAnswer::Ok);
  TypeAt(JobWindow::Sheet, 1, 3, "x4");  // the refused x already empties the results
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(GridOf(JobWindow::Sheet).Text(1, 3), "4");
}

TEST_F(BaseModuleTest, PasteIntoTheCutPiecesEmptiesResults) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  BaseModule& window = Open();
  clipboard.text = "600\t300\r\n";
  dialogs.QueueAnswer(MessageAnswer::Yes);  // paste from clipboard?
  dialogs.QueueAnswer(MessageAnswer::Ok);   // optimize again
  Window(JobWindow::Cut).TB_ButtonClick(7);
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 2), "300");
  EXPECT_TRUE(window.State().dataChanged);
}

TEST_F(BaseModuleTest, BasicDetailsEditsKeepTheResults) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  Open();
  TypeAt(JobWindow::Basic, 1, 3, "2");
  TypeAt(JobWindow::Cut, 1, 5, "door");
  EXPECT_FALSE(ReadFile("dia.tlf").empty());
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(BaseModuleTest, MarkersShowTheCurrentRow) {
  WriteFile("sheet.tlf", "\"2500\",\"1250\",\"1\",\"\",\"15\",\"\",\"\",\"\"\r\n");
  WriteFile("cut.tlf", "\"600\",\"300\",\"1\",\"2\"\r\n\"500\",\"300\",\"1\",\"7\"\r\n");
  Open();
  auto& sheet = dynamic_cast<SHEET&>(Window(JobWindow::Sheet));
  EXPECT_FALSE(sheet.MarginMarkerLabels()[0]->isVisible());
  EXPECT_TRUE(sheet.MarginMarkerLabels()[1]->isVisible());
  auto& cut = dynamic_cast<CUT&>(Window(JobWindow::Cut));
  EXPECT_FALSE(cut.OrientationMarkerLabels()[0]->isVisible());
  EXPECT_TRUE(cut.OrientationMarkerLabels()[1]->isVisible());
  QTest::keyClick(cut.FG, Qt::Key_Down);  // ORN 7 leaves them
  EXPECT_EQ(cut.grid().row, 2);
  EXPECT_FALSE(cut.OrientationMarkerLabels()[0]->isVisible());
}

TEST_F(BaseModuleTest, PrintsTheChosenRowsOrPreviewsThemAll) {
  WriteFile("cut.tlf",
            "\"600\",\"300\",\"4\",\"0\",\"DOOR\"\r\n\"500\",\"200\",\"2\",\"0\",\"SHELF\"\r\n");
  Open();
  dialogs.QueuePrint(PrintDialogAnswer::Selection);
  Window(JobWindow::Cut).TB_ButtonClick(4);
  EXPECT_NE(ReadFile("header.tlf").find("Cut-Piece Measurement"), std::string::npos);
  EXPECT_NE(ReadFile("Print.txt").find("DOOR"), std::string::npos);
  EXPECT_EQ(ReadFile("Print.txt").find("SHELF"), std::string::npos);
  EXPECT_EQ(ReadFile("listing.pdf").rfind("%PDF", 0), 0u);
  std::filesystem::remove("listing.pdf");
  dialogs.QueuePreview();
  Window(JobWindow::Cut).TB_ButtonClick(8);
  EXPECT_NE(ReadFile("Print.txt").find("SHELF"), std::string::npos);
  EXPECT_EQ(ReadFile("listing.pdf").rfind("%PDF", 0), 0u);
  EXPECT_TRUE(dialogs.AllAnswersUsed());
}

}  // namespace
}  // namespace trimora
