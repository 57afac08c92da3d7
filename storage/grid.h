#pragma once
// The in-memory grid every list of the program is edited in: a header row of field tags
// (row 0), a serial column "Sr No" (column 0) and data cells as text. A window's grid view
// displays and edits one of these; the table-file procedures read and write it.

#include <string>
#include <vector>

namespace trimora {

class Grid {
 public:
  Grid();

  int RowCount() const { return rowCount_; }
  int ColumnCount() const { return columnCount_; }
  // Growing keeps every cell and adds empty ones; shrinking drops the cut-off cells.
  void SetRowCount(int rows);
  void SetColumnCount(int columns);

  // Cells outside the grid read as "" and ignore writes.
  const std::string& Text(int row, int column) const;
  void SetText(int row, int column, std::string text);

  // Empties every cell of rows 1 .. RowCount-1; the header row stays.
  void ClearDataRows();

  // The bound table file's name.
  const std::string& Tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }

  // Current cell, and the opposite corner of the selection.
  int row = 1;
  int column = 1;
  int rowSel = 1;
  int columnSel = 1;

  // Display width per column in characters; 0 hides the column.
  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int width);

  // "|" separates columns, "<" left-aligns.
  std::string formatString;

 private:
  int rowCount_ = 2;
  int columnCount_ = 2;
  std::vector<std::vector<std::string>> cells_;  // [row][column]
  std::vector<int> columnWidths_;
  std::string tag_;
};

}  // namespace trimora
