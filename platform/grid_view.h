#pragma once
// The on-screen view of a Grid: the header row of tags, the serial column "Sr No", the data
// cells, the current cell and the selection. Qt never edits a cell here: every key goes to the
// window's handler, which applies the entry rules to the grid, and the view then repaints.
// The current cell and the selection stay in step with Grid::row, column, rowSel and
// columnSel both ways. Columns of width 0 are hidden and cannot be reached.

#include <QTableView>

#include "platform/grid_view_handler.h"
#include "storage/grid.h"

namespace trimora {

class GridTableModel;

class GridView : public QTableView {
 public:
  // The grid must outlive the view.
  explicit GridView(Grid& grid, QWidget* parent = nullptr);

  // The handler must outlive the view or be replaced first; nullptr forwards nothing.
  void SetHandler(GridViewHandler* handler) { handler_ = handler; }

  // Shows the grid as it is now: shape, texts, headers, column widths, current cell and
  // selection. Raises no handler event.
  void Refresh();

  // How many data rows fit in the view at once, and the height of one.
  int VisibleRows() const;
  int RowHeight() const;

  // The size that shows every column and rowsShown data rows (10 unless set).
  QSize sizeHint() const override;
  void SetRowsShown(int rows) { rowsShown_ = rows; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void ApplyColumnWidths();
  void PushCurrentCell();
  void PullCurrentCell();
  template <typename Event>
  void Forward(Event event);

  Grid& grid_;
  GridTableModel* model_;
  GridViewHandler* handler_ = nullptr;
  bool pushing_ = false;  // the view is being set from the grid: nothing to take back
  int rowsShown_ = 10;
};

}  // namespace trimora
