#include "platform/grid_view.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/grid_table_model.h"
#include "platform/qt_key_event.h"

namespace trimora {

namespace {

// Room around a cell's text, in pixels, so that a column as wide as its text shows it whole.
constexpr int kCellPadding = 8;

// The current cell and the selection's far corner in grid numbering.
struct Corners {
  int row = 0;
  int column = 0;
  int rowSel = 0;
  int columnSel = 0;
  friend bool operator==(const Corners&, const Corners&) = default;
};

// The far corner is the selection's corner opposite the current cell; a current cell outside
// the selection is its own corner.
std::optional<Corners> CornersOf(const QItemSelectionModel& model) {
  const QModelIndex current = model.currentIndex();
  if (!current.isValid()) return std::nullopt;
  Corners corners{current.row() + 1, current.column(), current.row() + 1, current.column()};
  const QItemSelection selection = model.selection();
  if (selection.isEmpty()) return corners;
  QRect box(QPoint(selection.front().left(), selection.front().top()),
            QPoint(selection.front().right(), selection.front().bottom()));
  for (const QItemSelectionRange& range : selection) {
    box |= QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom()));
  }
  if (!box.contains(current.column(), current.row())) return corners;
  corners.rowSel = (current.row() == box.top() ? box.bottom() : box.top()) + 1;
  corners.columnSel = current.column() == box.left() ? box.right() : box.left();
  return corners;
}

}  // namespace

// Handlers change the grid they edit: show the result at once.
template <typename Event>
void GridView::Forward(Event event) {
  if (handler_ == nullptr) return;
  event(*handler_);
  Refresh();
}

GridView::GridView(Grid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridTableModel(grid, this)) {
  setModel(model_);
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { PullCurrentCell(); });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { PullCurrentCell(); });
  connect(this, &QAbstractItemView::clicked, this,
          [this] { Forward([](GridViewHandler& handler) { handler.Clicked(); }); });
  Refresh();
}

void GridView::Refresh() {
  pushing_ = true;
  model_->Refresh();
  ApplyColumnWidths();
  pushing_ = false;
  PushCurrentCell();
}

int GridView::VisibleRows() const {
  return std::max(1, viewport()->height() / std::max(1, RowHeight()));
}

int GridView::RowHeight() const { return verticalHeader()->defaultSectionSize(); }

QSize GridView::sizeHint() const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < model_->columnCount(); ++column) {
    if (!isColumnHidden(column)) width += columnWidth(column);
  }
  const int height =
      2 * frameWidth() + horizontalHeader()->sizeHint().height() + rowsShown_ * RowHeight();
  return {width, height};
}

void GridView::keyPressEvent(QKeyEvent* event) {
  const KeyEvent key = KeyEventOf(*event);
  if (key.key == GridKey::Character) {
    Forward([&key](GridViewHandler& handler) { handler.KeyPress(key); });
    return;
  }
  bool taken = false;
  Forward([&](GridViewHandler& handler) { taken = handler.KeyDown(key); });
  if (!taken) QTableView::keyPressEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  Forward([](GridViewHandler& handler) { handler.FocusIn(); });
}

void GridView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  Forward([](GridViewHandler& handler) { handler.FocusOut(); });
}

void GridView::ApplyColumnWidths() {
  // The advance is fractional: rounded per character, a long column would cut its last ones.
  const qreal charWidth = QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0'));
  for (int column = 0; column < grid_.ColumnCount(); ++column) {
    const int width = grid_.ColumnWidth(column);
    setColumnHidden(column, width <= 0);
    if (width > 0) setColumnWidth(column, int(std::ceil(width * charWidth)) + kCellPadding);
  }
}

// Grid::row and column are the current cell; rowSel and columnSel the far corner of the
// selection.
void GridView::PushCurrentCell() {
  const Corners wanted{grid_.row, grid_.column, grid_.rowSel, grid_.columnSel};
  if (CornersOf(*selectionModel()) == wanted) return;
  const QModelIndex current = model_->index(grid_.row - 1, grid_.column);
  const QModelIndex corner = model_->index(grid_.rowSel - 1, grid_.columnSel);
  if (!current.isValid()) return;
  pushing_ = true;
  selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
  const QItemSelection selection(current, corner.isValid() ? corner : current);
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  pushing_ = false;
  scrollTo(current);
}

void GridView::PullCurrentCell() {
  const std::optional<Corners> corners = CornersOf(*selectionModel());
  if (pushing_ || !corners) return;
  const bool moved = corners->row != grid_.row || corners->column != grid_.column;
  grid_.row = corners->row;
  grid_.column = corners->column;
  grid_.rowSel = corners->rowSel;
  grid_.columnSel = corners->columnSel;
  if (moved) Forward([](GridViewHandler& handler) { handler.CellChanged(); });
}

}  // namespace trimora
