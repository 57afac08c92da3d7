#include "shell/base_module.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>

#include "grid/grid_editing.h"
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
// area has no size yet; they must still come up stacked down the whole area.
TEST_F(BaseModuleTest, DefaultsOpenStackedDownTheWholeArea) {
  WriteFile("Defaults", kDefaults);
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

// The shortcuts reach their commands wherever the focus is in the main window.
TEST_F(BaseModuleTest, ShortcutsRunTheirCommands) {
  BaseModule& window = Open();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const struct {
    const char* action;
    QKeySequence keys;
    JobWindow shown;
  } switches[] = {{"actionRollSpecifications", Qt::Key_F2, JobWindow::Sheet},
                  {"actionCutPieceMeasurements", Qt::Key_F3, JobWindow::Cut},
                  {"actionBasicDetails", Qt::Key_F4, JobWindow::Basic}};
  for (const auto& entry : switches) {
    QSignalSpy triggered(window.findChild<QAction*>(entry.action), &QAction::triggered);
    Press(window, entry.keys);
    EXPECT_EQ(triggered.count(), 1) << entry.action;
    EXPECT_EQ(Area().activeSubWindow()->widget(), window.Window(entry.shown));
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

}  // namespace
}  // namespace trimora
