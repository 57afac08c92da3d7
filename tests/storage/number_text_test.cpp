#include "storage/number_text.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(LeadingNumber, ReadsTheNumberACellBeginsWithOrZero) {
  EXPECT_EQ(LeadingNumber("2500"), 2500.0);
  EXPECT_EQ(LeadingNumber("  12.5mm"), 12.5);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("-3"), -3.0);
  EXPECT_EQ(LeadingNumber("1E3"), 1000.0);
  EXPECT_EQ(LeadingNumber("12,5"), 12.0);  // only "." is a decimal point
  // Text that is no number reads as zero.
  EXPECT_EQ(LeadingNumber("BAY 4"), 0.0);
  EXPECT_EQ(LeadingNumber("inf"), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_EQ(LeadingNumber("1e400"), 0.0);  // beyond single precision: unusable
}

TEST(NeutralNumber, SevenSignificantDigitsWithoutLeadingZero) {
  EXPECT_EQ(NeutralNumber(1005.0f), "1005");
  EXPECT_EQ(NeutralNumber(12.5f), "12.5");
  EXPECT_EQ(NeutralNumber(0.5f), ".5");
  EXPECT_EQ(NeutralNumber(-0.25f), "-.25");
  EXPECT_EQ(NeutralNumber(12345678.0f), "1.234568E+07");
  EXPECT_EQ(NeutralNumber(9999999.0f), "9999999");
  EXPECT_EQ(NeutralNumber(1e-5f), "1E-05");
}

}  // namespace
}  // namespace trimora
