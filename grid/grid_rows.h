#pragma once
// Row bookkeeping shared by every table grid: the serial column, the blank entry row, and the
// Delete Row and Insert Row commands of the lists of any length.

#include <string>
#include <vector>

#include "grid/grid_edit_rules.h"
#include "grid/grid_editor_host.h"
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

// Writes each row's texts into data columns 1, 2, ... of new rows after the last row holding
// text (blank rows at the end make way for them); the rows are renumbered and the grid ends with
// a blank entry row. The first new row becomes the current one. No rows, no change.
void AppendGridRows(Grid& grid, const std::vector<std::vector<std::string>>& rows);

// Delete Row: removes the rows from the current one to the selection's far corner, except the
// blank entry row, which stays. Insert Row: puts an empty row before the current one, unless
// that row and all below it are empty already. Either way the rows are renumbered and the grid
// ends with a blank entry row (a delete folds blank rows it leaves at the end into it). Only
// lists of any length (rules.keepsEntryRow) have these commands. In a grid that feeds the
// layouts a row command runs the change guard first; every one marks the job changed. Answers
// false when nothing changed.
bool DeleteGridRows(Grid& grid, const GridEditRules& rules, GridEditorHost& host);
bool InsertGridRow(Grid& grid, const GridEditRules& rules, GridEditorHost& host);

}  // namespace trimora
