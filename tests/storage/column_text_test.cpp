#include "storage/column_text.h"

#include <gtest/gtest.h>

#include "storage/number_picture.h"

namespace trimora {
namespace {

TEST(ColumnText, FieldsArePaddedToTheirColumnsOrPushedToANewLine) {
  ColumnText out;
  out.Place(1, "Length");
  out.Place(10, "Width");
  out.Place(19, "QtyUsed");
  out.EndLine();
  out.Place(1, "123456789");  // 9 characters: column 10 is still free
  out.Place(10, "X");
  out.EndLine();
  out.Place(1, "1234567890");  // 10 characters: column 10 is taken
  out.Place(10, "X");
  out.EndLine();
  out.Place(28, "VERY LONG DESCRIPTION");  // reaches column 48: the rest go on a new line
  out.Place(42, "PARTY");
  out.Place(56, "SITE");
  out.EndLine();
  EXPECT_EQ(out.Text(), "Length   Width    QtyUsed\r\n123456789X\r\n1234567890\r\n         X\r\n" +
                            std::string(27, ' ') + "VERY LONG DESCRIPTION\r\n" +
                            std::string(41, ' ') + "PARTY" + std::string(9, ' ') + "SITE\r\n");
}

TEST(ColumnText, EmptyFieldsAreNotPlacedAndLinesNeverEndInSpaces) {
  ColumnText out;
  out.Place(1, "2000");
  out.Place(28, "");  // no location
  out.Place(42, "");  // no measure
  out.EndLine();
  out.Place(1, "1200");
  out.Place(28, "");  // empty description: the party still goes to its column
  out.Place(42, "NORTHWIND");
  out.EndLine();
  EXPECT_EQ(out.Text(), "2000\r\n1200" + std::string(37, ' ') + "NORTHWIND\r\n");
}

TEST(PlainNumber, SevenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(PlainNumber(1200), "1200");
  EXPECT_EQ(PlainNumber(12.5f), "12.5");
  EXPECT_EQ(PlainNumber(0.75f), "0.75");  // the leading zero stays, unlike dia.tlf
  EXPECT_EQ(PlainNumber(0), "0");
  EXPECT_EQ(PlainNumber(1234.567f), "1234.567");
  EXPECT_EQ(PlainNumber(-3), "-3");
  EXPECT_EQ(PlainNumber(12345678), "1.234568E+07");
}

TEST(PictureNumber, FixedDigitsAndTiesOfTheSinglesExactValueRoundHalfAwayFromZero) {
  EXPECT_EQ(PictureNumber(288, 5, 2), "00288.00");
  EXPECT_EQ(PictureNumber(0.25f, 5, 2), "00000.25");
  EXPECT_EQ(PictureNumber(5000000, 5, 2), "5000000.00");  // all integer digits kept
  EXPECT_EQ(PictureNumber(0.5f, 1, 2), "0.50");
  EXPECT_EQ(PictureNumber(-12.5f, 5, 2), "-00012.50");
  EXPECT_EQ(PictureNumber(0.125f, 1, 2), "0.13");  // exactly representable: a true tie
  EXPECT_EQ(PictureNumber(-0.125f, 1, 2), "-0.13");
  EXPECT_EQ(PictureNumber(0.0625f, 1, 3), "0.063");
  EXPECT_EQ(PictureNumber(1.005f, 1, 2), "1.00");  // the single is just below 1.005
}

TEST(RoundToThousandths, KeepsAtMostSevenCharactersOfThePicture) {
  EXPECT_EQ(RoundToThousandths(12.34567f), 12.346f);
  EXPECT_EQ(RoundToThousandths(1250.12345f), 1250.12f);  // "1250.123" cut to "1250.12"
  EXPECT_EQ(RoundToThousandths(12345.678f), 12345.6f);   // "12345.678" cut to "12345.6"
  EXPECT_EQ(RoundToThousandths(1000), 1000.0f);
  EXPECT_EQ(RoundToThousandths(0.0004f), 0.0f);
  EXPECT_EQ(RoundToThousandths(2.0625f), 2.063f);  // half away from zero
}

}  // namespace
}  // namespace trimora
