#pragma once
// One entry point for every key a table grid receives: the window forwards its key events
// here and refreshes whatever it shows of the current row afterwards.

#include "grid/grid_edit_rules.h"
#include "grid/grid_editor_host.h"
#include "platform/key_event.h"
#include "storage/grid.h"

namespace trimora {

// Typing goes through the entry rules and is appended to the current cell (other control
// characters than Backspace are left to the view); Delete empties it; Ctrl+C copies and
// Ctrl+V pastes (the character may be the letter or its control code); the arrows, Tab,
// Enter, Home/End (with Ctrl: first and last cell) and the page keys move the current cell,
// with Shift the selection. Answers true when the key was used, false when it is left to the
// grid view.
bool HandleGridKey(Grid& grid, const KeyEvent& event, const GridEditRules& rules,
                   GridEditorHost& host);

// Ctrl+V: its edit is a paste, not typing.
bool IsPasteKey(const KeyEvent& event);

}  // namespace trimora
