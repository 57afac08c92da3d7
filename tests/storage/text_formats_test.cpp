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
            "\"250\"\r\n\"300\"\r\n\"100\",\"100\",\"2\",\"0\",\"0\",\"0\",\"0\",\"YARD\"\r\n");
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
  EXPECT_EQ(SplitRecordFields(R"("a b","",c , d,)"),
            (std::vector<std::string>{"a b", "", "c", "d", ""}));
  EXPECT_EQ(SplitRecordFields(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitRecordFields("\"unclosed"), (std::vector<std::string>{"unclosed"}));
}

// --- Numbers and columns ------------------------------------------------------------------

TEST(ColumnText, FieldsArePaddedToTheirColumnsOrPushedToANewLine) {
  ColumnText out;
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
  EXPECT_EQ(out.Text(), "123456789X\r\n1234567890\r\n         X\r\n" + std::string(27, ' ') +
                            "VERY LONG DESCRIPTION\r\n" + std::string(41, ' ') + "PARTY" +
                            std::string(9, ' ') + "SITE\r\n");
}

// The edges of the number texts: exponents, leading zeros, ties and text that is no number.
TEST(NumberText, SevenSignificantDigitsTiesAwayFromZeroAndNoNumberReadsAsZero) {
  EXPECT_EQ(PlainNumber(0.75f), "0.75");  // the leading zero stays, unlike dia.tlf
  EXPECT_EQ(PlainNumber(12345678), "1.234568E+07");
  EXPECT_EQ(NeutralNumber(-0.25f), "-.25");
  EXPECT_EQ(NeutralNumber(9999999.0f), "9999999");
  EXPECT_EQ(NeutralNumber(12345678.0f), "1.234568E+07");
  EXPECT_EQ(NeutralNumber(1e-5f), "1E-05");
  EXPECT_EQ(PictureNumber(-12.5f, 5, 2), "-00012.50");
  EXPECT_EQ(PictureNumber(-0.125f, 1, 2), "-0.13");      // exactly representable: a true tie
  EXPECT_EQ(PictureNumber(1.005f, 1, 2), "1.00");        // the single is just below 1.005
  EXPECT_EQ(RoundToThousandths(1250.12345f), 1250.12f);  // "1250.123" cut to seven characters
  EXPECT_EQ(RoundToThousandths(2.0625f), 2.063f);
  EXPECT_EQ(LeadingNumber("  12.5mm"), 12.5);
  EXPECT_EQ(LeadingNumber("1E3"), 1000.0);
  EXPECT_EQ(LeadingNumber("12,5"), 12.0);  // only "." is a decimal point
  for (const char* text : {"BAY 4", "inf", ".", "1e400"}) EXPECT_EQ(LeadingNumber(text), 0) << text;
}

}  // namespace
}  // namespace trimora
