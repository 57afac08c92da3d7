#pragma once
// Sorting a table grid by its current column and compacting it through its table file.

#include "grid/grid_editor_host.h"
#include "storage/grid.h"

namespace trimora {

enum class SortDirection { Ascending = 1, Descending = 2 };

// Sorts the data rows by the current column, ties broken by the columns to its right in
// order; a column of whole or decimal numbers compares by value, any other as text without
// regard to case. The grid is then written to its table file and filled back from it, which
// drops every blank row and leaves one blank entry row; the first data row becomes current.
// Does not mark the job changed. Answers false, with the sorted rows left in the grid, when
// the table file cannot be written.
bool SortGrid(Grid& grid, SortDirection direction, GridEditorHost& host);

}  // namespace trimora
