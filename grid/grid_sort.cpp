#include "grid/grid_sort.h"

#include <algorithm>
#include <string>
#include <vector>

#include "grid/grid_header.h"
#include "grid/grid_rows.h"
#include "storage/number_text.h"
#include "storage/table_file.h"

namespace trimora {

namespace {

struct SortKey {
  int column;
  bool numeric;
};

char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// <0, 0 or >0 as a sorts before, with or after b.
int CompareText(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(LowerCase(a[i]));
    const auto y = static_cast<unsigned char>(LowerCase(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareCells(const std::string& a, const std::string& b, bool numeric) {
  if (!numeric) return CompareText(a, b);
  const double x = LeadingNumber(a);
  const double y = LeadingNumber(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

std::vector<SortKey> KeysFrom(const Grid& grid, int first) {
  std::vector<SortKey> keys;
  for (int c = std::max(first, 1); c < grid.ColumnCount(); ++c) {
    const char type = ColumnFieldSpec(grid, c).type;
    keys.push_back({c, type == 'L' || type == 'R'});
  }
  return keys;
}

void SortRows(Grid& grid, const std::vector<SortKey>& keys, SortDirection direction) {
  std::vector<std::vector<std::string>> rows;
  for (int r = 1; r < grid.RowCount(); ++r) {
    std::vector<std::string>& cells = rows.emplace_back();
    for (int c = 0; c < grid.ColumnCount(); ++c) cells.push_back(grid.Text(r, c));
  }
  const int sign = direction == SortDirection::Descending ? -1 : 1;
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    for (const SortKey& key : keys) {
      const size_t c = size_t(key.column);
      const int order = CompareCells(a[c], b[c], key.numeric);
      if (order != 0) return sign * order < 0;
    }
    return false;
  });
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) grid.SetText(int(r) + 1, int(c), rows[r][c]);
  }
}

}  // namespace

bool SortGrid(Grid& grid, SortDirection direction, GridEditorHost& host) {
  host.SetBusy(true);
  SortRows(grid, KeysFrom(grid, grid.column), direction);
  RenumberGrid(grid);
  host.FocusGrid();
  const bool saved = SaveGridToTableFile(grid);
  if (saved) {
    ClearGridCells(grid);
    LoadGridFromTableFile(grid);
  }
  grid.row = grid.rowSel = 1;
  grid.columnSel = grid.column;
  host.SetBusy(false);
  return saved;
}

}  // namespace trimora
