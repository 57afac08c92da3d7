#include "shell/base_module.h"

#include <gtest/gtest.h>

#include <QMdiArea>

#include "main_window_fixture.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using BaseModuleTest = testing::MainWindowTest;

constexpr const char* kDefaults =
    "[BASIC.TLF]\r\n\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"\"\r\n[END]\r\n"
    "[OPTIONS.TLF]\r\n0,-1\r\n[END]\r\n[SHEET.TLF]\r\n[END]\r\n[CUT.TLF]\r\n[END]\r\n"
    "[DIA.TLF]\r\n[END]\r\n";

// The Defaults job's windows are opened before the main window first shows, when the child
// area has no size yet; they must still come up stacked down the whole area. The hidden
// columns keep their values through an edit.
TEST_F(BaseModuleTest, DefaultsOpenStackedWithTheirHiddenValuesKept) {
  WriteFile("Defaults", kDefaults);
  BaseModule& window = Open();
  EXPECT_EQ(window.Area()->subWindowList().size(), 3);
  const QSize area = window.Area()->viewport()->size();
  int top = 0;
  for (JobWindow kind : {JobWindow::Basic, JobWindow::Sheet, JobWindow::Cut}) {
    const QWidget* frame = Window(kind).parentWidget();
    EXPECT_EQ(frame->y(), top);
    EXPECT_GE(frame->height(), 2 * Window(kind).GridRowHeight());
    EXPECT_EQ(frame->width(), std::min(frame->sizeHint().width(), area.width()));
    top += frame->height();
  }
  EXPECT_EQ(top, area.height());
  EXPECT_TRUE(window.mnuOptimize()[4]->isChecked());
  Grid& basic = GridOf(JobWindow::Basic);
  EXPECT_EQ(basic.Text(1, 4), "1550");
  EXPECT_EQ(basic.ColumnWidth(4), 0);
  TypeAt(JobWindow::Basic, 1, 7, "rush, \"job\"");
  Window(JobWindow::Basic).parentWidget()->close();
  EXPECT_EQ(ReadFile("basic.tlf"), "\"AL\",\"H14\",\"3\",\"1550\",\"10\",\"3\",\"RUSH JOB\"\r\n");
}

// The Cut window's Paste button runs the change guard: the results are emptied.
TEST_F(BaseModuleTest, PasteIntoTheCutPiecesEmptiesResults) {
  WriteFile("dia.tlf", "1,-1,1,0,0,1255,2400,1,0\r\n");
  Open();
  clipboard.text = "600\t300\r\n";
  dialogs.QueueAnswer(MessageAnswer::Yes);  // paste from clipboard?
  dialogs.QueueAnswer(MessageAnswer::Ok);   // optimize again
  testing::ActionOf(Window(JobWindow::Cut), "pasteAction").trigger();
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(GridOf(JobWindow::Cut).Text(1, 2), "300");
}

}  // namespace
}  // namespace trimora
