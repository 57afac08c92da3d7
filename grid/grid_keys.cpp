#include "grid/grid_keys.h"

#include <string>

#include "grid/grid_header.h"

namespace trimora {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

// The type letter's filter for a key that the field still has room for.
char FilterByType(char type, char key, const std::string& cell) {
  switch (type) {
    case 'O':
      return key == '1' || key == '2' ? key : 0;
    case 'R':
      if (IsDigit(key)) return key;
      return key == '.' && cell.find('.') == std::string::npos ? key : 0;
    case 'L':
      return IsDigit(key) ? key : 0;
    case 'S': {
      const auto code = static_cast<unsigned char>(key);
      return code >= 32 && code <= 126 && key != '"' && key != ',' ? key : 0;
    }
    case 'X':
      return 0;
    default:  // a tag the catalogue does not know
      return key;
  }
}

}  // namespace

char HandleGridKeyPress(Grid& grid, char typed, GridEditorHost& host) {
  grid.columnSel = grid.column;
  const FieldSpec spec = ColumnFieldSpec(grid, grid.column);
  const char key = UpperCase(typed);
  host.SetDataChanged();

  const std::string& cell = grid.Text(grid.row, grid.column);
  if (key == kBackspace) {
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
  if (key == kBackspace || spec.entry == 'X') return 0;
  if (cell.size() == size_t(spec.width)) return 0;  // the field is full
  return FilterByType(spec.type, key, cell);
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
