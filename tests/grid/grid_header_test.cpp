#include "grid/grid_header.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

// The known tags' widths come from the field catalogue; what the header adds is the padding to
// at least three characters and the width an unknown tag inherits.
TEST(BuildGridHeader, UnknownTagsInheritThePreviousWidthOfAtLeastThree) {
  EXPECT_EQ(BuildGridHeader({"QTY", "REMARK"}), "<Sr No|<QTY    |<REMARK ");  // QTY's 7
  EXPECT_EQ(BuildGridHeader({"SUPPLIER", "AB"}), "<Sr No|<SUPPLIER|<AB ");    // the starting 3
}

}  // namespace
}  // namespace trimora
