// The Qt side of the grids: the grid view, its toolbar, and key events and the clipboard.

#include "platform/grid_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <string>
#include <vector>

#include "grid/grid_fixtures.h"
#include "platform/grid_toolbar.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_key_event.h"

namespace trimora {
namespace {

// Records what reaches the window and types characters into the current cell the simple way.
class RecordingHandler : public GridViewHandler {
 public:
  explicit RecordingHandler(Grid& grid) : grid_(grid) {}

  void KeyPress(const KeyEvent& key) override {
    presses.push_back(key);
    if (key.character == kBackspace) return;
    grid_.SetText(grid_.row, grid_.column, grid_.Text(grid_.row, grid_.column) + key.character);
  }
  bool KeyDown(const KeyEvent& key) override {
    downs.push_back(key.key);
    if (key.key != GridKey::Delete) return false;
    grid_.SetText(grid_.row, grid_.column, "");
    return true;
  }
  void CellChanged() override {
    events.push_back("cell " + std::to_string(grid_.row) + "," + std::to_string(grid_.column));
  }

  std::vector<KeyEvent> presses;
  std::vector<GridKey> downs;
  std::vector<std::string> events;

 private:
  Grid& grid_;
};

// Sr No | MAT | GRADE (hidden) | THICK, three data rows.
Grid SampleGrid() {
  Grid grid = testing::LaidOutGrid({"MAT", "GRADE", "THICK"}, {{}, {}, {}});
  grid.SetColumnWidth(2, 0);
  return grid;
}

class GridViewTest : public ::testing::Test {
 protected:
  GridViewTest() : grid(SampleGrid()), handler(grid), view(grid) {
    view.SetHandler(&handler);
    view.resize(400, 300);
  }

  QString Cell(int row, int column) const {
    return view.model()->index(row - 1, column).data().toString();
  }

  Grid grid;
  RecordingHandler handler;
  GridView view;
};

TEST_F(GridViewTest, KeysReachTheHandlerAndNoEditorOpens) {
  grid.row = grid.rowSel = 2;
  view.Refresh();
  QTest::keyClicks(&view, "ab");
  QTest::keyClick(&view, Qt::Key_Backspace);
  ASSERT_EQ(handler.presses.size(), 3u);
  EXPECT_EQ(handler.presses[0].key, GridKey::Character);
  EXPECT_EQ(handler.presses[0].character, 'a');
  EXPECT_EQ(handler.presses[2].character, kBackspace);
  EXPECT_EQ(Cell(2, 1), "ab");                             // the handler's change is shown at once
  EXPECT_TRUE(view.findChildren<QLineEdit*>().isEmpty());  // no cell editor was opened
  QTest::keyClick(&view, Qt::Key_Delete);                  // taken by KeyDown: no press
  EXPECT_EQ(handler.downs, std::vector<GridKey>{GridKey::Delete});
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(handler.presses.size(), 3u);
}

TEST_F(GridViewTest, ArrowsSkipHiddenColumnsAndTheSerialColumn) {
  EXPECT_TRUE(view.isColumnHidden(2));  // width 0
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_EQ(grid.column, 3);  // over the hidden GRADE
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Left);
  EXPECT_EQ(grid.column, 1);  // "Sr No" is not a cell to stand on
  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_EQ(grid.row, 2);
  EXPECT_EQ(handler.events, (std::vector<std::string>{"cell 1,3", "cell 1,1", "cell 2,1"}));
}

// Whatever the font's fractional advance: the report's 76-character lines are not cut short.
TEST_F(GridViewTest, AColumnShowsAsManyCharactersAsItsWidthSays) {
  QFont font = view.font();
  font.setPointSize(10);  // 8.27 pixels a character here
  view.setFont(font);
  grid.SetColumnWidth(1, 76);
  view.Refresh();
  const int textMargins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  EXPECT_GE(view.columnWidth(1) - textMargins,
            QFontMetricsF(view.font()).horizontalAdvance(QString(76, '0')));
}

TEST_F(GridViewTest, RefreshShowsTheGridsCurrentCellSelectionAndShape) {
  grid.SetRowCount(6);
  grid.SetText(5, 3, "12.5");
  grid.row = 5;
  grid.column = 3;
  grid.rowSel = 3;
  grid.columnSel = 1;
  view.Refresh();
  EXPECT_EQ(view.model()->rowCount(), 5);
  EXPECT_EQ(view.model()->headerData(3, Qt::Horizontal).toString().trimmed(), "THICK");
  EXPECT_EQ(Cell(5, 3), "12.5");
  EXPECT_EQ(view.currentIndex(), view.model()->index(4, 3));
  EXPECT_TRUE(view.selectionModel()->isSelected(view.model()->index(2, 1)));
  EXPECT_FALSE(view.selectionModel()->isSelected(view.model()->index(1, 1)));
  EXPECT_TRUE(handler.events.empty());  // the window moved the cell itself: no event
}

// --- The grid toolbar --------------------------------------------------------------------

// True when some pixel of the icon is not fully transparent.
bool Draws(const QIcon& icon) {
  const QImage image = icon.pixmap(16, 16).toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) != 0) return true;
    }
  }
  return false;
}

// Without a desktop icon theme every button still shows an icon, from the program's own where
// the theme has none, says what it does in its tool tip and runs its own command.
TEST(GridToolbar, EveryButtonShowsAnIconAndRunsItsCommand) {
  QWidget window;
  std::vector<QString> ran;
  const auto command = [&ran](const char* name) { return [&ran, name] { ran.push_back(name); }; };
  QToolBar* toolbar = MakeGridToolbar(
      &window, {command("Sort Ascending"), command("Sort Descending"), command("Print"),
                command("Print Preview"), command("Copy"), command("Paste")});
  std::vector<QString> captions;
  for (QAction* action : toolbar->actions()) {
    if (action->isSeparator()) continue;
    captions.push_back(action->toolTip());
    EXPECT_TRUE(Draws(action->icon())) << action->text().toStdString();
    action->trigger();
  }
  EXPECT_EQ(ran.size(), 6u);
  EXPECT_EQ(ran, captions);  // each button's tool tip names the command it runs
}

// --- Qt's key events and clipboard as the grids see them: eight-bit characters ------------

KeyEvent Of(int key, const QString& text) {
  return KeyEventOf(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}

TEST(QtKeyEvent, CharactersCarryTheirEightBitCodeAndOtherKeysTheirName) {
  EXPECT_EQ(Of(Qt::Key_Eacute, QString(QChar(0xE9))).character, char(0xE9));
  EXPECT_EQ(Of(Qt::Key_unknown, QString(QChar(0x20AC))).key, GridKey::Other);  // not 8-bit
  EXPECT_EQ(Of(Qt::Key_Backspace, "").character, kBackspace);
  EXPECT_EQ(Of(Qt::Key_Delete, "\x7f").key, GridKey::Delete);
  EXPECT_EQ(Of(Qt::Key_Enter, "\r").key, GridKey::Enter);
  const KeyEvent backtab = Of(Qt::Key_Backtab, "");
  EXPECT_TRUE(backtab.key == GridKey::Tab && backtab.shift);
}

TEST(QtClipboard, KeepsTabsLineEndsAndEightBitCharacters) {
  QtClipboard clipboard;
  const std::string text = "A\tB\r\nC\xC9\r\n";  // \xC9 is an 8-bit capital E with acute
  clipboard.SetText(text);
  EXPECT_EQ(clipboard.GetText(), text);
  clipboard.Clear();
  EXPECT_EQ(clipboard.GetText(), "");
}

}  // namespace
}  // namespace trimora
