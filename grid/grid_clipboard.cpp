#include "grid/grid_clipboard.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "storage/application_title.h"

namespace trimora {

namespace {

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + separator.size();
  }
}

bool AgreesToPaste(const std::string& text, GridEditorHost& host) {
  if (text.find_first_of("\",") != std::string::npos) {
    host.ShowMessage({"The clipboard holds commas or double quotes, which a table cannot store.",
                      "Attention!", MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
  }
  const Message question{"Paste from clipboard ?", kApplicationTitle, MessageButtons::YesNo,
                         MessageIcon::Question};
  return host.ShowMessage(question) == MessageAnswer::Yes;
}

}  // namespace

void CopyGridSelection(const Grid& grid, GridEditorHost& host) {
  const auto [top, bottom] = std::minmax(grid.row, grid.rowSel);
  const auto [left, right] = std::minmax(grid.column, grid.columnSel);
  std::string text;
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) {
      if (c > left) text += '\t';
      text += grid.Text(r, c);
    }
    text += "\r\n";
  }
  host.SetClipboardText(text);
}

bool PasteIntoGrid(Grid& grid, const GridEditRules& rules, GridEditorHost& host) {
  const std::string text = host.ClipboardText();
  if (text.empty() || !AgreesToPaste(text, host)) return false;

  const std::vector<std::string> lines = Split(text, "\r\n");
  for (size_t i = 0; i < lines.size(); ++i) {
    const int row = grid.row + int(i);
    if (row == grid.RowCount()) {
      grid.SetRowCount(row + 1);
      grid.SetText(row, 0, std::to_string(row));
    }
    const std::vector<std::string> cells = Split(lines[i], "\t");
    for (size_t j = 0; j < cells.size(); ++j) {
      const int column = grid.column + int(j);
      if (column < grid.ColumnCount()) grid.SetText(row, column, cells[j]);
    }
  }
  if (rules.pasteChangesJob) {
    host.InvalidateResults();
    host.SetDataChanged();
  }
  return true;
}

}  // namespace trimora
