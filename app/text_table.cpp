#include "app/text_table.h"

#include <algorithm>

namespace trimora {

TextTable::TextTable(std::vector<std::string> headings, std::vector<bool> rightAligned)
    : headings_(std::move(headings)), rightAligned_(std::move(rightAligned)) {
  rightAligned_.resize(headings_.size(), false);
}

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(headings_.size());
  rows_.push_back(std::move(cells));
}

void TextTable::Print(std::ostream& out, const std::string& indent) const {
  std::vector<size_t> widths;
  for (const auto& heading : headings_) widths.push_back(heading.size());
  for (const auto& row : rows_) {
    for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  }
  auto printRow = [&](const std::vector<std::string>& cells) {
    std::string line = indent;
    for (size_t c = 0; c < cells.size(); ++c) {
      const std::string padding(widths[c] - cells[c].size(), ' ');
      if (c > 0) line += "  ";
      line += rightAligned_[c] ? padding + cells[c] : cells[c] + padding;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
  };
  printRow(headings_);
  for (const auto& row : rows_) printRow(row);
}

}  // namespace trimora
