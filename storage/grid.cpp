#include "storage/grid.h"

namespace trimora {

namespace {
const std::string kEmpty;
}

Grid::Grid() : cells_(2, std::vector<std::string>(2)), columnWidths_(2, 0) {}

void Grid::SetRowCount(int rows) {
  if (rows < 0) rows = 0;
  rowCount_ = rows;
  cells_.resize(size_t(rows), std::vector<std::string>(size_t(columnCount_)));
}

void Grid::SetColumnCount(int columns) {
  if (columns < 0) columns = 0;
  columnCount_ = columns;
  for (auto& cells : cells_) cells.resize(size_t(columns));
  columnWidths_.resize(size_t(columns), 0);
}

const std::string& Grid::Text(int row, int column) const {
  if (row < 0 || row >= rowCount_ || column < 0 || column >= columnCount_) return kEmpty;
  return cells_[size_t(row)][size_t(column)];
}

void Grid::SetText(int row, int column, std::string text) {
  if (row < 0 || row >= rowCount_ || column < 0 || column >= columnCount_) return;
  cells_[size_t(row)][size_t(column)] = std::move(text);
}

void Grid::ClearDataRows() {
  for (size_t r = 1; r < cells_.size(); ++r) {
    for (auto& cell : cells_[r]) cell.clear();
  }
}

int Grid::ColumnWidth(int column) const {
  if (column < 0 || column >= columnCount_) return 0;
  return columnWidths_[size_t(column)];
}

void Grid::SetColumnWidth(int column, int width) {
  if (column < 0 || column >= columnCount_) return;
  columnWidths_[size_t(column)] = width;
}

}  // namespace trimora
