#include "libraries/material_library.h"

#include "grid/grid_sort.h"
#include "storage/number_text.h"
#include "storage/text_file.h"

namespace trimora {

namespace {

enum Field { kMat, kGrade, kThick, kLength, kWidth, kQty, kLocation, kFieldCount };

bool SameNumber(const std::string& a, const std::string& b) {
  return LeadingSingle(a) == LeadingSingle(b);
}

bool SameSize(const LibraryRecord& a, const LibraryRecord& b) {
  return a[kGrade] == b[kGrade] && SameNumber(a[kThick], b[kThick]) &&
         SameNumber(a[kLength], b[kLength]) && SameNumber(a[kWidth], b[kWidth]) &&
         a[kLocation] == b[kLocation];
}

}  // namespace

const std::vector<std::string_view>& MaterialLibraryTags() {
  static const std::vector<std::string_view> tags = {"MAT",   "GRADE", "THICK",   "LENGTH",
                                                     "WIDTH", "QTY",   "LOCATION"};
  return tags;
}

void PutLongerSideFirst(Grid& grid) {
  const int length = kLength + 1;
  const int width = kWidth + 1;
  for (int r = 1; r < grid.RowCount(); ++r) {
    const float l = LeadingSingle(grid.Text(r, length));
    const float w = LeadingSingle(grid.Text(r, width));
    if (l < w) {
      grid.SetText(r, length, PlainNumber(w));
      grid.SetText(r, width, PlainNumber(l));
    }
  }
}

void MergeLibraryRecords(std::vector<LibraryRecord>& records) {
  for (LibraryRecord& record : records) record.resize(kFieldCount);
  for (size_t i = 0; i < records.size(); ++i) {
    LibraryRecord& first = records[i];
    if (first[kMat].empty()) continue;
    bool sameMaterialMet = false;
    for (size_t j = i + 1; j < records.size(); ++j) {
      LibraryRecord& other = records[j];
      if (other[kMat].empty()) {
        if (sameMaterialMet) break;
        continue;
      }
      if (other[kMat] != first[kMat]) continue;
      sameMaterialMet = true;
      if (!SameSize(first, other)) continue;
      const float sum = LeadingSingle(first[kQty]) + LeadingSingle(other[kQty]);
      first[kQty] = sum == 0 ? std::string() : PlainNumber(sum);
      for (std::string& field : other) field.clear();
    }
  }
}

bool SaveMaterialLibrary(Grid& grid, GridEditorHost& host) {
  grid.row = grid.rowSel = 1;
  grid.column = grid.columnSel = 1;
  SortGrid(grid, SortDirection::Ascending, host);
  std::vector<LibraryRecord> records = GridRecords(grid);
  MergeLibraryRecords(records);
  return ReplaceFileSafely(kMaterialLibraryFile, LibraryFileText(records));
}

}  // namespace trimora
