#include "grid/grid_rows.h"

#include <string>

#include "storage/table_file.h"

namespace trimora {

void EnsureBlankEntryRow(Grid& grid) {
  const int last = grid.RowCount() - 1;
  for (int c = 1; c < grid.ColumnCount(); ++c) {
    if (!grid.Text(last, c).empty()) {
      grid.SetRowCount(grid.RowCount() + 1);
      grid.SetText(last + 1, 0, std::to_string(last + 1));
      return;
    }
  }
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

}  // namespace trimora
