#pragma once
// Grids laid out as the windows lay them out, for the grid editing tests.

#include <string>
#include <string_view>
#include <vector>

#include "grid/grid_header.h"
#include "storage/grid.h"
#include "storage/job_tables.h"

namespace trimora::testing {

// A grid with the column layout of the tags, bound to file, with the given data rows (column
// 1 onwards), serial numbers written.
inline Grid LaidOutGrid(const std::vector<std::string_view>& tags,
                        const std::vector<std::vector<std::string>>& rows = {{}},
                        const std::string& file = "grid.tlf") {
  Grid grid;
  ApplyColumnLayout(grid, BuildGridHeader(tags));
  grid.SetTag(file);
  grid.SetRowCount(int(rows.size()) + 1);
  for (size_t r = 0; r < rows.size(); ++r) {
    grid.SetText(int(r) + 1, 0, std::to_string(r + 1));
    for (size_t c = 0; c < rows[r].size(); ++c) grid.SetText(int(r) + 1, int(c) + 1, rows[r][c]);
  }
  return grid;
}

inline Grid TableGrid(const TableDefinition& table,
                      const std::vector<std::vector<std::string>>& rows = {{}}) {
  return LaidOutGrid(table.columns, rows, std::string(table.file));
}

// The texts of a column's rows, the header row left out.
inline std::vector<std::string> ColumnTexts(const Grid& grid, int column) {
  std::vector<std::string> texts;
  for (int r = 1; r < grid.RowCount(); ++r) texts.push_back(grid.Text(r, column));
  return texts;
}

// The Sheet Specifications grid as its window shows it: the four margins hidden.
inline Grid SheetGrid(const std::vector<std::vector<std::string>>& rows = {{}}) {
  Grid grid = TableGrid(RollSpecificationsTable(), rows);
  for (int c = 4; c <= 7; ++c) grid.SetColumnWidth(c, 0);
  return grid;
}

}  // namespace trimora::testing
