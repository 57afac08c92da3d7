#include "grid/grid_cursor.h"

#include <algorithm>

namespace trimora {

namespace {

struct Cell {
  int row;
  int column;
};

// The nearest reachable column from start in steps of step (+1 or -1); 0 when there is none.
int ReachableFrom(const Grid& grid, int start, int step) {
  for (int c = start; c >= 1 && c < grid.ColumnCount(); c += step) {
    if (IsReachableColumn(grid, c)) return c;
  }
  return 0;
}

int FirstColumn(const Grid& grid) { return ReachableFrom(grid, 1, 1); }
int LastColumn(const Grid& grid) { return ReachableFrom(grid, grid.ColumnCount() - 1, -1); }

int ClampRow(const Grid& grid, int row) { return std::clamp(row, 1, grid.RowCount() - 1); }

// Where the move leads from the cell; the cell itself when it leads nowhere.
Cell Target(const Grid& grid, Cell from, CursorMove move, int pageRows) {
  const int lastRow = grid.RowCount() - 1;
  const int page = std::max(pageRows, 1);
  const auto stay = [&](int column) { return column != 0 ? column : from.column; };
  switch (move) {
    case CursorMove::Left:
      return {from.row, stay(ReachableFrom(grid, from.column - 1, -1))};
    case CursorMove::Right:
      return {from.row, stay(ReachableFrom(grid, from.column + 1, 1))};
    case CursorMove::Up:
      return {ClampRow(grid, from.row - 1), from.column};
    case CursorMove::Down:
      return {ClampRow(grid, from.row + 1), from.column};
    case CursorMove::PageUp:
      return {ClampRow(grid, from.row - page), from.column};
    case CursorMove::PageDown:
      return {ClampRow(grid, from.row + page), from.column};
    case CursorMove::RowStart:
      return {from.row, FirstColumn(grid)};
    case CursorMove::RowEnd:
      return {from.row, LastColumn(grid)};
    case CursorMove::FirstCell:
      return {1, FirstColumn(grid)};
    case CursorMove::LastCell:
      return {lastRow, LastColumn(grid)};
    case CursorMove::NextCell:
      if (const int c = ReachableFrom(grid, from.column + 1, 1)) return {from.row, c};
      return from.row < lastRow ? Cell{from.row + 1, FirstColumn(grid)} : from;
    case CursorMove::PreviousCell:
      if (const int c = ReachableFrom(grid, from.column - 1, -1)) return {from.row, c};
      return from.row > 1 ? Cell{from.row - 1, LastColumn(grid)} : from;
  }
  return from;
}

}  // namespace

bool IsReachableColumn(const Grid& grid, int column) {
  return column >= 1 && column < grid.ColumnCount() && grid.ColumnWidth(column) > 0;
}

void MoveCursor(Grid& grid, CursorMove move, bool extend, int pageRows) {
  if (grid.RowCount() < 2 || FirstColumn(grid) == 0) return;
  const Cell from = extend ? Cell{grid.rowSel, grid.columnSel} : Cell{grid.row, grid.column};
  const Cell to = Target(grid, from, move, pageRows);
  SelectCell(grid, to.row, to.column, extend);
}

bool SelectCell(Grid& grid, int row, int column, bool extend) {
  if (row < 1 || row >= grid.RowCount() || !IsReachableColumn(grid, column)) return false;
  grid.rowSel = row;
  grid.columnSel = column;
  if (!extend) {
    grid.row = row;
    grid.column = column;
  }
  return true;
}

}  // namespace trimora
