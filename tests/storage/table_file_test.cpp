#include "storage/table_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/job_tables.h"
#include "storage/options_file.h"
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

}  // namespace
}  // namespace trimora
