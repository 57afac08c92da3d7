// Delete Row, Insert Row, Undo and Redo in the job-entry windows, by their keys: in Sheet
// Specifications and Cut-Piece Measurement every one is a change of sizes and quantities.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiSubWindow>

#include "grid/grid_editing.h"
#include "main_window_fixture.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::ViewOf;
using testing::WriteFile;

using JobEntryEditing = testing::MainWindowTest;

constexpr const char* kResults = "1,-1,1,0,0,1255,2400,1,0\r\n";

void Press(QWidget& window, Qt::Key key) {
  QTest::keyClick(&ViewOf(window), key, Qt::ControlModifier);
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
  Press(cut, Qt::Key_Delete);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0],
            (Message{"You are trying to change data. You need to optimize again.", "Attention!",
                     MessageButtons::Ok, MessageIcon::Exclamation}));
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  EXPECT_TRUE(main.State().dataChanged);
  EXPECT_EQ(cut.grid().Text(1, 1), "800");
  EXPECT_EQ(cut.grid().Text(1, 0), "1");
  Press(cut, Qt::Key_Insert);
  EXPECT_EQ(cut.grid().Text(2, 1), "800");

  Press(cut, Qt::Key_Z);
  Press(cut, Qt::Key_Z);
  EXPECT_EQ(cut.grid().Text(1, 1), "1200");
  EXPECT_EQ(ReadFile("dia.tlf"), "");
  // The main window's Edit menu reaches the active child window this way.
  auto* editing = dynamic_cast<GridEditing*>(Area().activeSubWindow()->widget());
  ASSERT_NE(editing, nullptr);
  EXPECT_EQ(editing->RedoText(), "Delete Row");

  WriteFile("dia.tlf", kResults);
  dialogs.QueueAnswer(MessageAnswer::Ok);
  Press(cut, Qt::Key_Y);
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
  Press(basic, Qt::Key_Delete);
  Press(basic, Qt::Key_Insert);
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
  QTest::keyClick(&ViewOf(sheet), Qt::Key_Down);
  EXPECT_EQ(Shown(sheet, "marginMarker", 4), "1");
  JobEntryWindow& cut = Window(JobWindow::Cut);
  for (const char* expected : {"2", "2", "1", "12"}) {  // ORN 2, 7, 1 and the empty entry row
    EXPECT_EQ(Shown(cut, "orientationMarker", 2), expected);
    QTest::keyClick(&ViewOf(cut), Qt::Key_Down);
  }
}

}  // namespace
}  // namespace trimora
