#include "storage/column_text.h"

namespace trimora {

void ColumnText::Place(int column, std::string_view text) {
  if (text.empty()) return;
  const size_t start = column < 1 ? 0 : size_t(column - 1);
  if (line_.size() > start) EndLine();
  line_.append(start - line_.size(), ' ');
  line_.append(text);
}

void ColumnText::EndLine() {
  text_ += line_;
  text_ += "\r\n";
  line_.clear();
}

void ColumnText::Line(std::string_view text) {
  Place(1, text);
  EndLine();
}

void ColumnText::EmptyLines(int count) {
  for (int i = 0; i < count; ++i) EndLine();
}

}  // namespace trimora
