#include "shell/grid_header.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(BuildGridHeader, PadsEachTagToItsCatalogueWidthOfAtLeastThree) {
  EXPECT_EQ(BuildGridHeader({"LENGTH", "QTY", "ORN", "DESCRIPTION"}),
            "<Sr No|<LENGTH |<QTY    |<ORN|<DESCRIPTION ");
  // Unknown tags inherit the previous width: REMARK gets QTY's 7, SUPPLIER the starting 3.
  EXPECT_EQ(BuildGridHeader({"QTY", "REMARK"}), "<Sr No|<QTY    |<REMARK ");
  EXPECT_EQ(BuildGridHeader({"SUPPLIER", "AB"}), "<Sr No|<SUPPLIER|<AB ");
  // The product windows' own columns are typed text like DESCRIPTION.
  EXPECT_EQ(BuildGridHeader({"PRODUCT", "CLIENT"}), "<Sr No|<PRODUCT     |<CLIENT      ");
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
