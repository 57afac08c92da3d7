#include "grid/grid_rows.h"

#include <algorithm>
#include <string>

#include "storage/table_file.h"

namespace trimora {

namespace {

bool HasText(const Grid& grid, int row) {
  for (int c = 1; c < grid.ColumnCount(); ++c) {
    if (!grid.Text(row, c).empty()) return true;
  }
  return false;
}

bool IsEntryRow(const Grid& grid, int row) {
  return row == grid.RowCount() - 1 && !HasText(grid, row);
}

// The row and every row below it are empty: the entry row, or blank rows that run into it.
bool InBlankTail(const Grid& grid, int row) {
  for (int r = row; r < grid.RowCount(); ++r) {
    if (HasText(grid, r)) return false;
  }
  return true;
}

void CopyRow(Grid& grid, int from, int to) {
  for (int c = 1; c < grid.ColumnCount(); ++c) grid.SetText(to, c, grid.Text(from, c));
}

// Blank rows left at the end by a delete fold into the one entry row.
void KeepOneEntryRow(Grid& grid) {
  while (grid.RowCount() > 2 && !HasText(grid, grid.RowCount() - 1) &&
         !HasText(grid, grid.RowCount() - 2)) {
    grid.SetRowCount(grid.RowCount() - 1);
  }
  EnsureBlankEntryRow(grid);
}

void ChangeRows(const GridEditRules& rules, GridEditorHost& host) {
  if (rules.guardedColumns > 0) host.InvalidateResults();
  host.SetDataChanged();
}

}  // namespace

void EnsureBlankEntryRow(Grid& grid) {
  const int last = grid.RowCount() - 1;
  if (last >= 1 && !HasText(grid, last)) return;
  grid.SetRowCount(last + 2);
  grid.SetText(last + 1, 0, std::to_string(last + 1));
}

void RenumberGrid(Grid& grid) {
  for (int r = 1; r < grid.RowCount(); ++r) grid.SetText(r, 0, std::to_string(r));
}

void ClearGridCells(Grid& grid) {
  for (int r = 1; r < grid.RowCount(); ++r) {
    for (int c = 1; c < grid.ColumnCount(); ++c) grid.SetText(r, c, "");
  }
}

bool IsBlankRow(const Grid& grid, int row) {
  for (int c = 1; c < grid.ColumnCount(); ++c) {
    if (!TrimBlanks(grid.Text(row, c)).empty()) return false;
  }
  return true;
}

void AppendGridRows(Grid& grid, const std::vector<std::vector<std::string>>& rows) {
  if (rows.empty()) return;
  int first = grid.RowCount();
  while (first > 1 && IsBlankRow(grid, first - 1)) --first;
  grid.SetRowCount(first);  // the blank rows go, with any blanks typed into them
  grid.SetRowCount(first + int(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      grid.SetText(first + int(r), int(c) + 1, rows[r][c]);
    }
  }
  RenumberGrid(grid);
  EnsureBlankEntryRow(grid);
  grid.row = grid.rowSel = first;
  grid.column = grid.columnSel = 1;
}

bool DeleteGridRows(Grid& grid, const GridEditRules& rules, GridEditorHost& host) {
  const auto [top, selectedBottom] = std::minmax(grid.row, grid.rowSel);
  const int bottom = IsEntryRow(grid, selectedBottom) ? selectedBottom - 1 : selectedBottom;
  if (!rules.keepsEntryRow || top < 1 || bottom < top) return false;
  ChangeRows(rules, host);
  const int count = bottom - top + 1;
  for (int r = bottom + 1; r < grid.RowCount(); ++r) CopyRow(grid, r, r - count);
  grid.SetRowCount(grid.RowCount() - count);
  KeepOneEntryRow(grid);
  RenumberGrid(grid);
  grid.row = grid.rowSel = std::min(top, grid.RowCount() - 1);
  grid.columnSel = grid.column;
  return true;
}

bool InsertGridRow(Grid& grid, const GridEditRules& rules, GridEditorHost& host) {
  if (!rules.keepsEntryRow || grid.row < 1 || InBlankTail(grid, grid.row)) return false;
  ChangeRows(rules, host);
  grid.SetRowCount(grid.RowCount() + 1);
  for (int r = grid.RowCount() - 1; r > grid.row; --r) CopyRow(grid, r - 1, r);
  for (int c = 1; c < grid.ColumnCount(); ++c) grid.SetText(grid.row, c, "");
  EnsureBlankEntryRow(grid);
  RenumberGrid(grid);
  grid.rowSel = grid.row;
  grid.columnSel = grid.column;
  return true;
}

}  // namespace trimora
