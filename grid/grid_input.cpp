#include "grid/grid_input.h"

#include <optional>

#include "grid/grid_clipboard.h"
#include "grid/grid_cursor.h"
#include "grid/grid_keys.h"
#include "grid/grid_rows.h"

namespace trimora {

namespace {

constexpr char kCtrlC = 3;
constexpr char kCtrlV = 22;

// Control characters other than Backspace (Escape, or Ctrl with a letter) type nothing.
bool IsTyped(char c) { return c == kBackspace || static_cast<unsigned char>(c) >= 32; }

void GuardColumn(const Grid& grid, const GridEditRules& rules, GridEditorHost& host) {
  if (grid.column >= 1 && grid.column <= rules.guardedColumns) host.InvalidateResults();
}

void Type(Grid& grid, char typed, const GridEditRules& rules, GridEditorHost& host) {
  GuardColumn(grid, rules, host);
  if (const char accepted = HandleGridKeyPress(grid, typed, host)) {
    grid.SetText(grid.row, grid.column, grid.Text(grid.row, grid.column) + accepted);
  }
  if (rules.keepsEntryRow) EnsureBlankEntryRow(grid);
}

// Ctrl with a letter arrives as the letter or as its control code, depending on the platform.
bool IsCtrlLetter(const KeyEvent& event, char letter, char code) {
  const char c = event.character;
  return event.key == GridKey::Character && event.ctrl &&
         (c == letter || c == letter - 'a' + 'A' || c == code);
}

bool Shortcut(Grid& grid, const KeyEvent& event, const GridEditRules& rules, GridEditorHost& host) {
  if (IsCtrlLetter(event, 'c', kCtrlC)) {
    CopyGridSelection(grid, host);
    return true;
  }
  if (IsPasteKey(event)) {
    PasteIntoGrid(grid, rules, host);
    return true;
  }
  return false;
}

std::optional<CursorMove> MoveFor(const KeyEvent& event) {
  switch (event.key) {
    case GridKey::Left:
      return CursorMove::Left;
    case GridKey::Right:
      return CursorMove::Right;
    case GridKey::Up:
      return CursorMove::Up;
    case GridKey::Down:
    case GridKey::Enter:
      return CursorMove::Down;
    case GridKey::Tab:
      return event.shift ? CursorMove::PreviousCell : CursorMove::NextCell;
    case GridKey::Home:
      return event.ctrl ? CursorMove::FirstCell : CursorMove::RowStart;
    case GridKey::End:
      return event.ctrl ? CursorMove::LastCell : CursorMove::RowEnd;
    case GridKey::PageUp:
      return CursorMove::PageUp;
    case GridKey::PageDown:
      return CursorMove::PageDown;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool IsPasteKey(const KeyEvent& event) { return IsCtrlLetter(event, 'v', kCtrlV); }

bool HandleGridKey(Grid& grid, const KeyEvent& event, const GridEditRules& rules,
                   GridEditorHost& host) {
  if (event.key == GridKey::Character) {
    if (event.ctrl) return Shortcut(grid, event, rules, host);
    if (!IsTyped(event.character)) return false;
    Type(grid, event.character, rules, host);
    return true;
  }
  if (event.key == GridKey::Delete) {
    GuardColumn(grid, rules, host);
    return HandleGridKeyDown(grid, event.key, host);
  }
  const std::optional<CursorMove> move = MoveFor(event);
  if (!move) return false;
  // Tab and Enter step through cells; only the other movement keys stretch a selection.
  const bool extend = event.shift && event.key != GridKey::Tab && event.key != GridKey::Enter;
  MoveCursor(grid, *move, extend, host.RowsPerPage());
  return true;
}

}  // namespace trimora
