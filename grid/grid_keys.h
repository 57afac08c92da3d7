#pragma once
// The entry rules of a table grid: what a typed key adds to the current cell under the field
// catalogue, and the Delete key that empties a cell.

#include "grid/grid_editor_host.h"
#include "platform/key_event.h"
#include "storage/grid.h"

namespace trimora {

// Examines a typed character (Backspace is code 8) for the current cell and answers the
// character to append to it, upper case, or 0 when the key is refused. Backspace removes the
// cell's last character itself. Every key marks the job changed; a key in a product-list
// column beeps and opens the product choice instead.
char HandleGridKeyPress(Grid& grid, char typed, GridEditorHost& host);

// Delete empties the current cell of a typed or product-list column and marks the job
// changed. Answers true when the key was used; every other key is left to the grid.
bool HandleGridKeyDown(Grid& grid, GridKey key, GridEditorHost& host);

}  // namespace trimora
