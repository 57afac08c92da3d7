#pragma once
// Row bookkeeping shared by every table grid: the serial column and the blank entry row.

#include "storage/grid.h"

namespace trimora {

// Appends a numbered blank row when any data cell of the last row holds text.
void EnsureBlankEntryRow(Grid& grid);

// Writes 1, 2, ... into the serial column of the data rows.
void RenumberGrid(Grid& grid);

// Empties every data cell; the header row and the serial column stay.
void ClearGridCells(Grid& grid);

// True when every data cell of the row is empty after removing surrounding blanks.
bool IsBlankRow(const Grid& grid, int row);

}  // namespace trimora
