#include "grid/grid_header.h"

#include "storage/table_file.h"

namespace trimora {

std::string BuildGridHeader(const std::vector<std::string_view>& tags) {
  std::string layout = "<Sr No";
  int width = 0;
  for (std::string_view tag : tags) {
    char type = ' ';
    char entry = ' ';
    GetFieldSpec(tag, width, type, entry);  // an unknown tag keeps the width so far
    if (width < 3) width = 3;
    layout += "|<";
    layout += tag;
    if (size_t(width) > tag.size()) layout.append(size_t(width) - tag.size(), ' ');
  }
  return layout;
}

void ApplyColumnLayout(Grid& grid, const std::string& layout) {
  std::vector<std::string> headers;
  for (size_t start = 0;;) {
    const size_t bar = layout.find('|', start);
    std::string part = layout.substr(start, bar == std::string::npos ? bar : bar - start);
    if (!part.empty() && (part[0] == '<' || part[0] == '^' || part[0] == '>')) part.erase(0, 1);
    headers.push_back(std::move(part));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  grid.formatString = layout;
  grid.SetColumnCount(int(headers.size()));
  for (size_t c = 0; c < headers.size(); ++c) {
    grid.SetColumnWidth(int(c), int(headers[c].size()));
    grid.SetText(0, int(c), std::move(headers[c]));
  }
}

FieldSpec ColumnFieldSpec(const Grid& grid, int column) {
  FieldSpec spec;
  GetFieldSpec(TrimBlanks(grid.Text(0, column)), spec);
  return spec;
}

}  // namespace trimora
