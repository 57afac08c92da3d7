#include "libraries/product_library.h"

#include <algorithm>

#include "grid/grid_sort.h"
#include "libraries/library_file.h"
#include "storage/file_utils.h"
#include "storage/table_file.h"
#include "storage/text_file.h"

namespace trimora {

const std::vector<std::string_view>& ProductLibraryTags() {
  static const std::vector<std::string_view> tags = {"PRODUCT", "DESCRIPTION", "MAT",   "GRADE",
                                                     "THICK",   "LENGTH",      "WIDTH", "QTY"};
  return tags;
}

bool SaveProductLibrary(Grid& grid, GridEditorHost& host) {
  grid.row = grid.rowSel = 1;
  grid.column = grid.columnSel = 1;
  SortGrid(grid, SortDirection::Ascending, host);
  if (!ReplaceFileSafely(kProductLibraryFile, LibraryFileText(GridRecords(grid)))) return false;
  return RebuildProductList();
}

bool RebuildProductList() {
  std::vector<std::string> names;
  std::string text;
  for (const LibraryRecord& record : ReadLibraryRecords(kProductLibraryFile, kProductFieldCount)) {
    const std::string& name = record[0];
    if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
    names.push_back(name);
    text += '"' + name + "\"\r\n";
  }
  if (names.empty()) {  // no product: no list
    DeleteFiles(kProductListFile);
    return true;
  }
  return ReplaceFileSafely(kProductListFile, text);
}

std::vector<std::string> ReadProductList() {
  std::vector<std::string> names;
  const auto lines = ReadLines(kProductListFile);
  if (!lines) return names;
  for (const std::string& line : *lines) {
    if (line.empty()) continue;
    for (std::string& field : SplitRecordFields(line)) names.push_back(std::move(field));
  }
  return names;
}

}  // namespace trimora
