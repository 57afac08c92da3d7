#include "results/report_grid.h"

#include <vector>

#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

void LoadFieldsIntoRows(Grid& grid, const std::string& path) {
  std::vector<std::string> fields;
  if (const auto lines = ReadLines(path)) {
    for (const std::string& line : *lines) {
      for (std::string& field : SplitRecordFields(line)) fields.push_back(std::move(field));
    }
  }
  grid.SetRowCount(2);
  grid.ClearDataRows();
  grid.SetRowCount(int(fields.size()) + 2);
  for (int r = 1; r < grid.RowCount(); ++r) grid.SetText(r, 0, std::to_string(r));
  for (size_t k = 0; k < fields.size(); ++k) grid.SetText(int(k) + 1, 1, fields[k]);
}

}  // namespace trimora
