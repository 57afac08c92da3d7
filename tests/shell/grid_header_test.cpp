#include "shell/grid_header.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(BuildGridHeader, PadsEachTagToItsCatalogueWidthOfAtLeastThree) {
  EXPECT_EQ(BuildGridHeader({"LENGTH", "QTY", "ORN", "DESCRIPTION"}),
            "<Sr No|<LENGTH |<QTY    |<ORN|<DESCRIPTION ");
  // Unknown tags inherit the previous width: CLIENT gets QTY's 7, PRODUCT the starting 3.
  EXPECT_EQ(BuildGridHeader({"QTY", "CLIENT"}), "<Sr No|<QTY    |<CLIENT ");
  EXPECT_EQ(BuildGridHeader({"PRODUCT", "AB"}), "<Sr No|<PRODUCT|<AB ");
}

TEST(ApplyColumnLayout, HeaderTextsAndWidthsFromTheLayout) {
  Grid grid;
  ApplyColumnLayout(grid, "<Sr No|<QTY    |<ORN");
  ASSERT_EQ(grid.ColumnCount(), 3);
  EXPECT_EQ(grid.Text(0, 0), "Sr No");
  EXPECT_EQ(grid.Text(0, 1), "QTY    ");
  EXPECT_EQ(grid.ColumnWidth(1), 7);
  EXPECT_EQ(grid.ColumnWidth(2), 3);
  EXPECT_EQ(ColumnFieldSpec(grid, 1).type, 'L');  // looked up by the trimmed header
}

}  // namespace
}  // namespace trimora
