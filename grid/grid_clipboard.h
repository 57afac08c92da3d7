#pragma once
// Copying a block of cells to the clipboard and pasting clipboard text into a grid. The text
// has one line per row, ended by CR LF, and a tab between the cells of a line.

#include "grid/grid_edit_rules.h"
#include "grid/grid_editor_host.h"
#include "storage/grid.h"

namespace trimora {

// Puts the selected block (rows and columns between the current cell and the selection's far
// corner) on the clipboard, CR LF after every row including the last.
void CopyGridSelection(const Grid& grid, GridEditorHost& host);

// After the user agrees, writes the clipboard's lines into the rows from the current one and
// its cells into the columns from the current one, appending numbered rows as needed; cells
// beyond the last column are dropped. No entry rule applies. Text holding a comma or a double
// quote is refused whole, since a table file cannot store them. Answers true when it pasted.
bool PasteIntoGrid(Grid& grid, const GridEditRules& rules, GridEditorHost& host);

}  // namespace trimora
