#include "libraries/material_library.h"

#include <gtest/gtest.h>

#include "grid/grid_header.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;

// The library grid as its window holds it: bound to the working copy, with a blank entry row.
Grid LibraryGrid(const std::vector<std::vector<std::string>>& rows) {
  Grid grid;
  ApplyColumnLayout(grid, BuildGridHeader(MaterialLibraryTags()));
  grid.SetTag(kMaterialLibraryWorkingCopy);
  grid.SetRowCount(int(rows.size()) + 2);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) grid.SetText(int(r) + 1, int(c) + 1, rows[r][c]);
  }
  return grid;
}

std::string Line(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) line += (line.empty() ? "\"" : ",\"") + field + "\"";
  return line + "\r\n";
}

using MaterialLibrary = testing::InWorkDir;

TEST_F(MaterialLibrary, SaveSortsByMaterialAndMergesEqualSizes) {
  GridEditorHost host;
  Grid grid = LibraryGrid({{"MS", "A", "2", "2500", "1250", "3", "BAY 1"},
                           {"AL", "H14", "2", "2000", "1000", "3", ""},
                           {"ms", "A", "2", "2500", "1250", "5", "BAY 1"},
                           {},
                           {"MS", "A", "2.0", "2500", "1250", "4", "BAY 1"},
                           {"AL", "H14", "2", "2000", "1000", "-3", ""}});
  ASSERT_TRUE(SaveMaterialLibrary(grid, host));
  EXPECT_EQ(ReadFile("mlm.dat"), Line({"AL", "H14", "2", "2000", "1000", "", ""}) +
                                     Line({"MS", "A", "2", "2500", "1250", "7", "BAY 1"}) +
                                     Line({"ms", "A", "2", "2500", "1250", "5", "BAY 1"}));
}

TEST_F(MaterialLibrary, AnEmptiedRecordEndsTheScanOnceItsMaterialWasMet) {
  // Sorted on QTY within the size: B1, B2, B3, B1, B2. The first B1 takes the second; the B2
  // scan meets B3, then the emptied record, and stops short of the second B2.
  GridEditorHost host;
  Grid grid = LibraryGrid({{"MS", "A", "2", "900", "600", "1", "B1"},
                           {"MS", "A", "2", "900", "600", "2", "B2"},
                           {"MS", "A", "2", "900", "600", "3", "B3"},
                           {"MS", "A", "2", "900", "600", "4", "B1"},
                           {"MS", "A", "2", "900", "600", "5", "B2"}});
  ASSERT_TRUE(SaveMaterialLibrary(grid, host));
  EXPECT_EQ(ReadFile("mlm.dat"), Line({"MS", "A", "2", "900", "600", "5", "B1"}) +
                                     Line({"MS", "A", "2", "900", "600", "2", "B2"}) +
                                     Line({"MS", "A", "2", "900", "600", "3", "B3"}) +
                                     Line({"MS", "A", "2", "900", "600", "5", "B2"}));
}

}  // namespace
}  // namespace trimora
