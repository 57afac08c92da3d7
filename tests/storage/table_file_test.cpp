#include "storage/table_file.h"

#include <gtest/gtest.h>

#include "storage/field_catalogue.h"
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

  Grid back = MakeTableGrid(CutPieceTable());
  LoadGridFromTableFile(back);
  ASSERT_EQ(back.RowCount(), 4);
  EXPECT_EQ(back.Text(1, 1), "600");
  EXPECT_EQ(back.Text(1, 2), "300");
  EXPECT_EQ(back.Text(2, 5), "DOOR");
  for (int c = 1; c < back.ColumnCount(); ++c) EXPECT_EQ(back.Text(3, c), "");
}

TEST_F(TableFile, RowWithOnlyLocationWritesEveryColumn) {
  Grid grid = MakeTableGrid(RollSpecificationsTable());
  grid.SetText(1, 8, "BAY 4");
  ASSERT_TRUE(SaveGridToTableFile(grid));
  EXPECT_EQ(ReadFile("sheet.tlf"), "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"BAY 4\"\r\n");
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
  EXPECT_EQ(grid.Text(1, 8), "BAY 4");
  EXPECT_EQ(grid.Text(3, 8), "YARD");
  EXPECT_EQ(grid.Text(4, 1), "");
  EXPECT_EQ(grid.Text(0, 1), "LENGTH");
}

TEST_F(TableFile, MissingFileLeavesOneBlankRow) {
  Grid grid = MakeTableGrid(CutPieceTable());
  grid.SetRowCount(4);
  grid.SetText(1, 1, "600");
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
  EXPECT_EQ(grid.Text(4, 1), "A");
  EXPECT_EQ(grid.Text(4, 2), "B");
  EXPECT_EQ(grid.Text(4, 3), "C");
}

TEST(SplitRecordFields, QuotedAndUnquotedFields) {
  EXPECT_EQ(SplitRecordFields(R"("a b","",c , d)"),
            (std::vector<std::string>{"a b", "", "c", "d"}));
  EXPECT_EQ(SplitRecordFields("-1,0"), (std::vector<std::string>{"-1", "0"}));
  EXPECT_EQ(SplitRecordFields(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitRecordFields("1,"), (std::vector<std::string>{"1", ""}));
  EXPECT_EQ(SplitRecordFields("\"unclosed"), (std::vector<std::string>{"unclosed"}));
}

TEST(FieldCatalogue, ExactCaseSensitiveLookup) {
  int width = -1;
  char type = '?', entry = '?';
  ASSERT_TRUE(GetFieldSpec("QTY", width, type, entry));
  EXPECT_EQ(width, 7);
  EXPECT_EQ(type, 'L');
  EXPECT_EQ(entry, 'T');

  EXPECT_FALSE(GetFieldSpec("qty", width, type, entry));
  EXPECT_FALSE(GetFieldSpec("PRODUCT", width, type, entry));
  EXPECT_EQ(width, 7);  // unknown tags leave the outputs as they were
  EXPECT_EQ(type, 'L');

  FieldSpec spec;
  ASSERT_TRUE(GetFieldSpec("M(B)", spec));
  EXPECT_EQ(spec.width, 6);
  EXPECT_EQ(spec.type, 'R');
  ASSERT_TRUE(GetFieldSpec("PRODUCTS", spec));
  EXPECT_EQ(spec.entry, 'L');
  ASSERT_TRUE(GetFieldSpec("REPORT", spec));
  EXPECT_EQ(spec.width, 76);
  EXPECT_EQ(spec.type, 'X');
}

TEST_F(TableFile, OptionsLineHoldsTwoCheckMarks) {
  ASSERT_TRUE(WriteOptionsFile({true, false}));
  EXPECT_EQ(ReadFile("options.tlf"), "-1,0\r\n");
  WriteFile("options.tlf", "0,1\r\n");
  const OptimizeOptions options = ReadOptionsFile();
  EXPECT_FALSE(options.maximumYield);
  EXPECT_TRUE(options.minimumLayouts);
}

}  // namespace
}  // namespace trimora
