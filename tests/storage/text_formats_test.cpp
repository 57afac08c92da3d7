// The text the program reads and writes: table files, the numbers in cells, tables, dia.tlf
// and the report, and the report's columns.

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/column_text.h"
#include "storage/job_tables.h"
#include "storage/number_picture.h"
#include "storage/number_text.h"
#include "storage/table_file.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class TableFile : public testing::InWorkDir {};

TEST_F(TableFile, BlankRowsVanishWhereverTheyStand) {
  Grid grid = MakeTableGrid(CutPieceTable());
  grid.SetRowCount(7);
  grid.SetText(2, 1, "600");
  grid.SetText(2, 2, " 300 ");
  grid.SetText(4, 1, "   ");  // spaces only: not written
  grid.SetText(4, 5, "  ");
  grid.SetText(5, 5, "DOOR");
  ASSERT_TRUE(SaveGridToTableFile(grid));
  EXPECT_EQ(ReadFile("cut.tlf"),
            "\"600\",\"300\",\"\",\"\",\"\",\"\",\"\"\r\n"
            "\"\",\"\",\"\",\"\",\"DOOR\",\"\",\"\"\r\n");
}

TEST_F(TableFile, FillingGivesSerialNumbersAndOneEntryRow) {
  WriteFile("sheet.tlf",
            "\"250\",\"125\",\"3\",\"10\",\"10\",\"10\",\"10\",\"BAY 4\"\r\n"
            "\"300\",\"200\",\"1\",\"0\",\"0\",\"0\",\"0\",\"\"\r\n"
            "\"100\",\"100\",\"2\",\"0\",\"0\",\"0\",\"0\",\"YARD\"\r\n");
  Grid grid = MakeTableGrid(RollSpecificationsTable());
  grid.SetRowCount(9);
  grid.SetText(4, 1, "stale");
  LoadGridFromTableFile(grid);
  ASSERT_EQ(grid.RowCount(), 5);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(grid.Text(r, 0), std::to_string(r));
  EXPECT_EQ(grid.Text(3, 8), "YARD");
  EXPECT_EQ(grid.Text(4, 1), "");
  std::filesystem::remove("sheet.tlf");  // no file: one blank row
  LoadGridFromTableFile(grid);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Text(1, 1), "");
}

TEST_F(TableFile, MalformedLinesNeverShiftRecords) {
  // A short line leaves its missing fields empty; extra fields are dropped; a blank line is
  // an empty record; the last line needs no line end.
  WriteFile("cut.tlf", "\"600\",\"300\"\r\n\r\n1,2,3,4,5,6,7,8,9\n  \"A\" , B ,C");
  Grid grid = MakeTableGrid(CutPieceTable());
  LoadGridFromTableFile(grid);
  ASSERT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.Text(1, 2), "300");
  EXPECT_EQ(grid.Text(1, 3), "");
  EXPECT_EQ(grid.Text(2, 1), "");
  EXPECT_EQ(grid.Text(3, 7), "7");
  EXPECT_EQ(grid.Text(4, 1) + grid.Text(4, 2) + grid.Text(4, 3), "ABC");
}

TEST(SplitRecordFields, QuotedAndUnquotedFields) {
  EXPECT_EQ(SplitRecordFields(R"("a b","",c , d)"),
            (std::vector<std::string>{"a b", "", "c", "d"}));
  EXPECT_EQ(SplitRecordFields(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitRecordFields("1,"), (std::vector<std::string>{"1", ""}));
  EXPECT_EQ(SplitRecordFields("\"unclosed"), (std::vector<std::string>{"unclosed"}));
}

// --- Numbers and columns ------------------------------------------------------------------

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

TEST(PlainNumber, SevenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(PlainNumber(0.75f), "0.75");  // the leading zero stays, unlike dia.tlf
  EXPECT_EQ(PlainNumber(0), "0");
  EXPECT_EQ(PlainNumber(1234.567f), "1234.567");
  EXPECT_EQ(PlainNumber(-3), "-3");
  EXPECT_EQ(PlainNumber(12345678), "1.234568E+07");
}

TEST(PictureNumber, FixedDigitsAndTiesOfTheSinglesExactValueRoundHalfAwayFromZero) {
  EXPECT_EQ(PictureNumber(0.25f, 5, 2), "00000.25");
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
