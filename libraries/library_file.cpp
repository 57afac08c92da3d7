#include "libraries/library_file.h"

#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

std::vector<LibraryRecord> ReadLibraryRecords(const std::string& file, size_t fieldCount) {
  std::vector<LibraryRecord> records;
  const auto lines = ReadLines(file);
  if (!lines) return records;
  for (const std::string& line : *lines) {
    LibraryRecord record = SplitRecordFields(line);
    record.resize(fieldCount);
    records.push_back(std::move(record));
  }
  return records;
}

std::vector<LibraryRecord> GridRecords(const Grid& grid) {
  std::vector<LibraryRecord> records;
  for (int r = 1; r < grid.RowCount(); ++r) {
    LibraryRecord& record = records.emplace_back();
    for (int c = 1; c < grid.ColumnCount(); ++c) record.push_back(grid.Text(r, c));
  }
  return records;
}

std::string LibraryFileText(const std::vector<LibraryRecord>& records) {
  std::string text;
  for (const LibraryRecord& record : records) {
    bool blank = true;
    for (const std::string& field : record) blank = blank && TrimBlanks(field).empty();
    if (blank) continue;
    for (size_t i = 0; i < record.size(); ++i) {
      if (i > 0) text += ',';
      text += '"' + TrimBlanks(record[i]) + '"';
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace trimora
