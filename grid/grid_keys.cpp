#include "grid/grid_keys.h"

#include <string>

#include "grid/grid_header.h"

namespace trimora {

char HandleGridKeyPress(Grid& grid, char typed, GridEditorHost& host) {
  grid.columnSel = grid.column;
  const FieldSpec spec = ColumnFieldSpec(grid, grid.column);
  host.SetDataChanged();

  const std::string& cell = grid.Text(grid.row, grid.column);
  if (typed == kBackspace) {
    if (spec.type != 'X' && !cell.empty()) {
      grid.SetText(grid.row, grid.column, cell.substr(0, cell.size() - 1));
      return 0;
    }
  }
  if (spec.entry == 'L') {
    host.Beep();
    host.ChooseProduct();
    return 0;
  }
  if (typed == kBackspace || spec.entry == 'X') return 0;
  return TypedCharacter(spec, typed, cell);
}

bool HandleGridKeyDown(Grid& grid, GridKey key, GridEditorHost& host) {
  if (key != GridKey::Delete) return false;
  const FieldSpec spec = ColumnFieldSpec(grid, grid.column);
  if (spec.entry != 'T' && spec.entry != 'L') return false;
  grid.SetText(grid.row, grid.column, "");
  host.SetDataChanged();
  return true;
}

}  // namespace trimora
