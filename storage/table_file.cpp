#include "storage/table_file.h"

#include "storage/text_file.h"

namespace trimora {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string TrimBlanks(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> SplitRecordFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t pos = 0;
  while (true) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '"') {
      const size_t close = line.find('"', pos + 1);
      const size_t valueEnd = close == std::string_view::npos ? line.size() : close;
      fields.emplace_back(line.substr(pos + 1, valueEnd - pos - 1));
      pos =
          line.find(',', valueEnd);  // anything between the closing quote and the comma is dropped
    } else {
      const size_t comma = line.find(',', pos);
      fields.push_back(TrimBlanks(line.substr(
          pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos)));
      pos = comma;
    }
    if (pos == std::string_view::npos) break;
    ++pos;  // past the comma: another field follows, even an empty one at the line end
  }
  return fields;
}

bool SaveGridToTableFile(const Grid& grid) {
  std::string content;
  for (int r = 1; r < grid.RowCount(); ++r) {
    bool blank = true;
    for (int c = 1; c < grid.ColumnCount() && blank; ++c) {
      blank = TrimBlanks(grid.Text(r, c)).empty();
    }
    if (blank) continue;
    for (int c = 1; c < grid.ColumnCount(); ++c) {
      content += '"';
      content += TrimBlanks(grid.Text(r, c));
      content += '"';
      if (c != grid.ColumnCount() - 1) content += ',';
    }
    content += "\r\n";
  }
  // Replaced whole, never rewritten in place: a crash or a full disk leaves the old table.
  return ReplaceFileSafely(grid.Tag(), content);
}

void LoadGridFromTableFile(Grid& grid) {
  grid.SetRowCount(2);
  grid.ClearDataRows();
  grid.SetText(1, 0, "1");
  const auto lines = ReadLines(grid.Tag());
  if (!lines) return;

  const int n = int(lines->size());
  grid.SetRowCount(n + 2);
  for (int r = 1; r <= n + 1; ++r) grid.SetText(r, 0, std::to_string(r));
  for (int k = 1; k <= n; ++k) {
    const auto fields = SplitRecordFields((*lines)[size_t(k - 1)]);
    for (int c = 1; c < grid.ColumnCount() && size_t(c) <= fields.size(); ++c) {
      grid.SetText(k, c, fields[size_t(c - 1)]);
    }
  }
}

}  // namespace trimora
