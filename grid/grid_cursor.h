#pragma once
// Moving the current cell and the selection with the keyboard and the mouse. Only data cells
// of shown columns can be reached: the header row, the serial column and hidden columns
// (display width 0) are stepped over.

#include "storage/grid.h"

namespace trimora {

enum class CursorMove {
  Left,
  Right,
  Up,
  Down,
  NextCell,      // right, then on to the start of the next row
  PreviousCell,  // left, then back to the end of the previous row
  RowStart,
  RowEnd,
  FirstCell,  // first row, first column
  LastCell,   // last row, last column
  PageUp,
  PageDown,
};

// A data column that is shown.
bool IsReachableColumn(const Grid& grid, int column);

// Moves the current cell, collapsing the selection onto it, or with extend only the
// selection's far corner. A move that would leave the reachable cells stays where it is.
void MoveCursor(Grid& grid, CursorMove move, bool extend, int pageRows);

// Makes a clicked cell current (or with extend the far corner of the selection). Answers false
// and changes nothing for a cell that cannot be reached.
bool SelectCell(Grid& grid, int row, int column, bool extend);

}  // namespace trimora
