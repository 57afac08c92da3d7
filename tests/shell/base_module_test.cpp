// The main window and its job-entry windows: how they open, the shortcuts, the Edit menu's grid
// commands, and the row keys, markers, Undo and Redo in the job-entry grids.

#include "shell/base_module.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>

#include "grid/grid_editing.h"
#include "main_window_fixture.h"
#include "storage/saw_settings.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

using BaseModuleTest = testing::MainWindowTest;

// The Defaults job's windows are opened before the main window first shows, when the child
// area has no size yet; they must still come up stacked down the whole area.
TEST_F(BaseModuleTest, DefaultsOpenStackedDownTheWholeArea) {
  WriteFile("Defaults", testing::kDefaultsJob);
  BaseModule& window = Open();
  EXPECT_EQ(Area().subWindowList().size(), 3);
  const QSize area = Area().viewport()->size();
  int top = 0;
  for (JobWindow kind : {JobWindow::Basic, JobWindow::Sheet, JobWindow::Cut}) {
    const QWidget* frame = Window(kind).parentWidget();
    EXPECT_EQ(frame->y(), top);
    EXPECT_GE(frame->height(), 2 * Window(kind).GridRowHeight());
    EXPECT_EQ(frame->width(), std::min(frame->sizeHint().width(), area.width()));
    top += frame->height();
  }
  EXPECT_EQ(top, area.height());
  EXPECT_TRUE(window.findChild<QAction*>("actionMinimumLayouts")->isChecked());
}

// Optimize, Search Effort and Straight through-cuts only are settings of the working folder,
// kept for the next main window; the job file knows nothing of them.
TEST_F(BaseModuleTest, TheSearchEffortAndTheThroughCutsSettingAreKeptForTheNextRuns) {
  Open();
  EXPECT_TRUE(main->findChild<QAction*>("actionEffort_standard")->isChecked());
  Run("actionEffort_thorough");
  EXPECT_EQ(ReadFile("effort.set"), "thorough\r\n");
  Open();
  EXPECT_TRUE(main->findChild<QAction*>("actionEffort_thorough")->isChecked());
  EXPECT_FALSE(main->findChild<QAction*>("actionEffort_standard")->isChecked());

  EXPECT_FALSE(main->findChild<QAction*>("actionThroughCutsOnly")->isChecked());
  Run("actionThroughCutsOnly");
  EXPECT_EQ(ReadSawSettings(), SawSettings{.throughCutsOnly = true});
  Open();
  EXPECT_TRUE(main->findChild<QAction*>("actionThroughCutsOnly")->isChecked());
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

// Pressed where the focus is in the window, as the user types.
void Press(QWidget& window, const QKeySequence& keys) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keySequence(focus ? focus : &window, keys);
}

// The shortcuts reach their commands wherever the focus is in the main window: from the grid of
// one child window to another, and to the Layouts.
TEST_F(BaseModuleTest, ShortcutsRunTheirCommands) {
  BaseModule& window = Open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (const auto& [keys, shown] :
       {std::pair{Qt::Key_F2, JobWindow::Sheet}, std::pair{Qt::Key_F4, JobWindow::Basic}}) {
    Press(window, keys);
    EXPECT_EQ(Area().activeSubWindow()->widget(), window.Window(shown));
  }
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Press(window, Qt::Key_F8);
  EXPECT_EQ(dialogs.Messages().back().text, "This file was not optimized.");
}

// A grid window as the Edit menu sees it: it records the commands it receives.
class FakeGridWindow : public QWidget, public GridEditing {
 public:
  FakeGridWindow() { setFocusPolicy(Qt::StrongFocus); }
  void DeleteRows() override { received.push_back("delete"); }
  void InsertRow() override { received.push_back("insert"); }
  void Undo() override { received.push_back("undo"); }
  void Redo() override { received.push_back("redo"); }
  std::string UndoText() const override { return undoText; }
  std::string RedoText() const override { return redoText; }
  bool TakesRowCommands() const override { return takesRows; }

  std::vector<std::string> received;
  std::string undoText, redoText;
  bool takesRows = true;
};

// The Edit menu's grid commands act on the active grid window and name what Undo and Redo
// would do; over a window without a grid they are switched off.
TEST_F(BaseModuleTest, GridCommandsActOnTheActiveGridWindow) {
  BaseModule& window = Open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* grid = new FakeGridWindow;
  QMdiSubWindow* frame = Area().addSubWindow(grid);
  frame->show();
  Area().setActiveSubWindow(frame);
  grid->setFocus();
  auto* undo = window.findChild<QAction*>("actionUndo");
  EXPECT_EQ(undo->text(), "Undo");
  EXPECT_FALSE(undo->isEnabled());

  grid->undoText = "Typing";  // an edit since the menu last showed
  grid->redoText = "Paste";
  for (int key : {Qt::Key_Z, Qt::Key_Y, Qt::Key_Delete, Qt::Key_Insert})
    QTest::keyClick(grid, Qt::Key(key), Qt::ControlModifier);
  EXPECT_EQ(grid->received, (std::vector<std::string>{"undo", "redo", "delete", "insert"}));
  EXPECT_EQ(undo->text(), "Undo Typing");
  grid->redoText.clear();
  emit window.findChild<QMenu*>("menuEdit")->aboutToShow();
  EXPECT_EQ(window.findChild<QAction*>("actionRedo")->text(), "Redo");
  grid->takesRows = false;  // one fixed record, as Basic Details holds
  emit window.findChild<QMenu*>("menuEdit")->aboutToShow();
  EXPECT_FALSE(window.findChild<QAction*>("actionDeleteRow")->isEnabled());
  EXPECT_FALSE(window.findChild<QAction*>("actionInsertRow")->isEnabled());

  auto* other = new QWidget;
  other->setFocusPolicy(Qt::StrongFocus);
  Area().setActiveSubWindow(Area().addSubWindow(other));
  other->setFocus();
  for (const char* name : {"actionUndo", "actionRedo", "actionDeleteRow", "actionInsertRow"})
    EXPECT_FALSE(window.findChild<QAction*>(name)->isEnabled()) << name;
  QTest::keyClick(other, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(grid->received.size(), 4u);
}

// --- Delete Row, Insert Row, Undo and Redo in the job-entry windows, by their keys ---------
// In Sheet Specifications and Cut-Piece Measurement every one is a change of sizes and
// quantities.

using JobEntryEditing = testing::MainWindowTest;

constexpr const char* kResults = "1,-1,1,0,0,1255,2400,1,0\r\n";

void PressCtrl(QWidget& window, Qt::Key key) {
  QTest::keyClick(&testing::ViewOf(window), key, Qt::ControlModifier);
}

// The results are emptied once, with the usual message; stepping back does not bring them
// back, and is itself a change that empties results made since.
TEST_F(JobEntryEditing, RowKeysAndUndoInTheCutPiecesRunTheChangeGuard) {
  WriteFile("cut.tlf",
            "\"1200\",\"600\",\"7\",\"0\",\"DOOR\",\"\",\"\"\r\n"
            "\"800\",\"500\",\"9\",\"\",\"\",\"\",\"\"\r\n");
  WriteFile("dia.tlf", kResults);
  BaseModule& main = Open();
  JobEntryWindow& cut = Window(JobWindow::Cut);
  dialogs.QueueAnswer(MessageAnswer::Ok);  // optimize again
  PressCtrl(cut, Qt::Key_Delete);
  EXPECT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_TRUE(main.State().dataChanged);
  EXPECT_EQ(cut.grid().Text(1, 1), "800");
  PressCtrl(cut, Qt::Key_Insert);
  EXPECT_EQ(cut.grid().Text(2, 1), "800");

  PressCtrl(cut, Qt::Key_Z);
  PressCtrl(cut, Qt::Key_Z);
  EXPECT_EQ(cut.grid().Text(1, 1), "1200");
  EXPECT_EQ(ReadFile("dia.tlf"), "");

  WriteFile("dia.tlf", kResults);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  PressCtrl(cut, Qt::Key_Y);
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_EQ(dialogs.Messages().size(), 2u);
  cut.parentWidget()->close();
  EXPECT_EQ(ReadFile("cut.tlf"), "\"800\",\"500\",\"9\",\"\",\"\",\"\",\"\"\r\n");
}

// Ctrl+Del must not reach the grid as Delete where there are no rows to delete.
TEST_F(JobEntryEditing, TheOneBasicDetailsRecordStays) {
  WriteFile("basic.tlf", "\"MS\",\"A\",\"2\"\r\n");
  const BaseModule& main = Open();
  JobEntryWindow& basic = Window(JobWindow::Basic);
  EXPECT_FALSE(testing::ActionOf(basic, "deleteRowAction").isEnabled());
  PressCtrl(basic, Qt::Key_Delete);
  PressCtrl(basic, Qt::Key_Insert);
  EXPECT_EQ(basic.grid().RowCount(), 2);
  EXPECT_EQ(basic.grid().Text(1, 1), "MS");
  EXPECT_FALSE(main.State().dataChanged);
}

// The numbers of the markers named prefix1 .. prefix<count> that show: "13" for the first and
// the third.
std::string Shown(QWidget& window, const char* prefix, int count) {
  std::string shown;
  for (int i = 1; i <= count; ++i) {
    const QString name = QString("%1%2").arg(prefix).arg(i);
    if (!window.findChild<QLabel*>(name)->isHidden()) shown += std::to_string(i);
  }
  return shown;
}

// The markers follow the current row: a margin that is a number, and the orientations ORN
// allows (an unknown ORN leaves them as they were).
TEST_F(JobEntryEditing, MarkersFollowTheCurrentRow) {
  WriteFile("sheet.tlf",
            "\"2500\",\"1250\",\"1\",\"\",\"15\",\"\",\"X\"\r\n\"1\",\"1\",\"1\",\"5\"\r\n");
  WriteFile(
      "cut.tlf",
      "\"600\",\"300\",\"1\",\"2\"\r\n\"1\",\"1\",\"1\",\"7\"\r\n\"1\",\"1\",\"1\",\"1\"\r\n");
  Open();
  JobEntryWindow& sheet = Window(JobWindow::Sheet);
  EXPECT_EQ(Shown(sheet, "marginMarker", 4), "2");
  QTest::keyClick(&testing::ViewOf(sheet), Qt::Key_Down);
  EXPECT_EQ(Shown(sheet, "marginMarker", 4), "1");
  JobEntryWindow& cut = Window(JobWindow::Cut);
  for (const char* expected : {"2", "2", "1", "12"}) {  // ORN 2, 7, 1 and the empty entry row
    EXPECT_EQ(Shown(cut, "orientationMarker", 2), expected);
    QTest::keyClick(&testing::ViewOf(cut), Qt::Key_Down);
  }
}

}  // namespace
}  // namespace trimora
