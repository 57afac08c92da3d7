#include "platform/grid_view.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <string>
#include <vector>

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
  Grid grid;
  grid.SetRowCount(4);
  grid.SetColumnCount(4);
  const std::vector<std::string> tags{"Sr No", "MAT", "GRADE", "THICK"};
  const std::vector<int> widths{5, 8, 0, 6};
  for (int c = 0; c < 4; ++c) {
    grid.SetText(0, c, tags[size_t(c)]);
    grid.SetColumnWidth(c, widths[size_t(c)]);
  }
  for (int r = 1; r < 4; ++r) grid.SetText(r, 0, std::to_string(r));
  grid.formatString = "<Sr No|<MAT     |<GRADE|<THICK ";
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
  EXPECT_EQ(view.model()->headerData(3, Qt::Horizontal).toString(), "THICK");
  EXPECT_EQ(Cell(5, 3), "12.5");
  EXPECT_EQ(view.currentIndex(), view.model()->index(4, 3));
  EXPECT_TRUE(view.selectionModel()->isSelected(view.model()->index(2, 1)));
  EXPECT_FALSE(view.selectionModel()->isSelected(view.model()->index(1, 1)));
  EXPECT_TRUE(handler.events.empty());  // the window moved the cell itself: no event
}

}  // namespace
}  // namespace trimora
