#include "results/offcuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/results_fixtures.h"
#include "test_support.h"

namespace trimora {
namespace {

using testing::Rec;
using testing::WriteFile;

AreaList Records(std::vector<AreaRecord> records) {
  AreaList list(1);
  list.insert(list.end(), records.begin(), records.end());
  return list;
}

std::vector<std::string> LinesOf(const std::vector<OffcutRow>& rows) {
  std::vector<std::string> lines;
  for (const auto& row : rows) lines.push_back(OffcutLine(row));
  return lines;
}

using Lines = std::vector<std::string>;

// --- The written steps --------------------------------------------------------------------

TEST(OffcutDerivation, KerfIsRemovedLengthIsTheLongerSideAndLinesEndInCrLf) {
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 1005, 2000, 1), Rec(1, -4, 1, 0, 0, 305, 1005, 1),
               Rec(1, -4, 1, 0, 1005, 305, 1210, 1)});
  EXPECT_EQ(OffcutText(DeriveOffcuts(records, 5, {})), "1,1000,300,1,\"\"\r\n1,300,200,1,\"\"\r\n");
  EXPECT_EQ(OffcutText({{2, 1005, 0.5f, 3, "SCRAP"}}), "2,1005,.5,3,\"SCRAP\"\r\n");
}

TEST(OffcutDerivation, ScrapWhenLengthOrWidthIsAtMostItsLimit) {
  const ScrapLimits limits{500, 100};
  EXPECT_TRUE(IsScrap(500, 400, limits));  // the length equals its limit
  const AreaList records =
      Records({Rec(2, -1, 1, 0, 0, 1010, 1010, 3), Rec(2, -2, 1, 0, 0, 10, 1010, 3),
               Rec(2, -4, 1, 10, 0, 611, 101, 3)});
  EXPECT_EQ(LinesOf(DeriveOffcuts(records, 0, limits)),
            (Lines{"2,1010,10,3,\"SCRAP\"", "2,601,101,3,\"\""}));
  EXPECT_EQ(LinesOf(DeriveOffcuts(records, 0, {})),
            (Lines{"2,1010,10,3,\"\"", "2,601,101,3,\"\""}));
}

TEST(OffcutDerivation, MarginStripsAsWritten) {
  // Left strip narrower than the kerf, the bottom strip with YS below YE: no off-cut. The top
  // strip is not clipped although it meets the left strip's corner.
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 1255, 1500, 4), Rec(1, -2, 1, 0, 0, 3, 1500, 4),
               Rec(1, -2, 1, 3, 0, 1255, 20, 4), Rec(1, -2, 1, 0, 0, 1255, 20, 4),
               Rec(1, -2, 1, 3, 2490, 1255, 1500, 4)});
  EXPECT_EQ(LinesOf(DeriveOffcuts(records, 5, {})),
            (Lines{"1,1247,15,4,\"\"", "1,1250,15,4,\"\""}));
}

TEST(OffcutDerivation, SizesAreRoundedToThousandthsAfterTheScrapTest) {
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 2000, 20000, 1), Rec(1, -4, 1, 0, 0, 12.34567f, 1250.12345f, 1),
               Rec(1, -4, 1, 1000, 0, 2000, 12345.678f, 1)});
  const auto rows = DeriveOffcuts(records, 0, ScrapLimits{1250.12f, 0});
  EXPECT_EQ(LinesOf(rows), (Lines{"1,1250.12,12.346,1,\"\"", "1,12345.6,1000,1,\"\""}));
  EXPECT_EQ(rows[0].LENGTH, 1250.12f);
}

// --- Cut-back and clipping of free areas ---------------------------------------------------

TEST(OffcutClipping, FreeAreasAreCutBackToTheUsedLength) {
  const AreaList records = Records(
      {Rec(1, -1, 1, 0, 0, 1000, 800, 1), Rec(1, -4, 1, 600, 0, 1000, 2000, 1),   // to 800
       Rec(1, -4, 1, 0, 800, 600, 2000, 1),                                       // nothing left
       Rec(2, -1, 1, 0, 0, 1000, 2000, 1), Rec(2, -4, 1, 0, 0, 1000, 2000, 1)});  // other layout
  const auto rows = DeriveOffcuts(records, 0, {});
  EXPECT_EQ(LinesOf(rows), (Lines{"1,800,400,1,\"\"", "2,2000,1000,1,\"\""}));
  EXPECT_EQ(rows[0].YE, 800.0f);
}

TEST(OffcutClipping, TheLargestPartOutsideAnOverlappingPieceIsKept) {
  // Piece in the middle of the free area's left edge: right part 300 x 1000 beats the top
  // (100 x 500) and the bottom (500 x 500) parts.
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 500, 1000, 1), Rec(1, 1, 1, 0, 100, 200, 500, 1, 1),
               Rec(1, -4, 1, 0, 0, 500, 1000, 1)});
  EXPECT_EQ(LinesOf(DeriveOffcuts(records, 0, {})), (Lines{"1,1000,300,1,\"\""}));
}

TEST(OffcutClipping, EqualAreasKeepTheEarlierPart) {
  // Left and right parts both 100 x 400: left wins. Then a second piece clips the top.
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 300, 400, 1), Rec(1, 1, 1, 100, 0, 200, 400, 1, 1),
               Rec(1, 1, 1, 0, 0, 50, 300, 1, 1), Rec(1, -4, 1, 0, 0, 300, 400, 1)});
  const auto rows = DeriveOffcuts(records, 0, {});
  ASSERT_EQ(rows.size(), 1u);
  // Left part (0,0)-(100,400); against the second piece: right 50 x 400 beats bottom 100 x 100.
  EXPECT_EQ(rows[0].XS, 50.0f);
  EXPECT_EQ(rows[0].XE, 100.0f);
}

TEST(OffcutClipping, TouchingCoveringAndOtherLayouts) {
  const AreaRecord outline = Rec(1, -1, 1, 0, 0, 500, 1000, 1);
  const AreaRecord piece = Rec(1, 1, 1, 0, 0, 500, 600, 1, 1);
  // A free area touching a piece is whole; one a piece covers is dropped; a piece of another
  // layout is no obstacle.
  EXPECT_EQ(
      LinesOf(DeriveOffcuts(Records({outline, piece, Rec(1, -4, 1, 0, 600, 500, 1000, 1)}), 0, {})),
      (Lines{"1,500,400,1,\"\""}));
  EXPECT_TRUE(DeriveOffcuts(Records({outline, piece, Rec(1, -4, 1, 100, 100, 200, 200, 1)}), 0, {})
                  .empty());
  EXPECT_EQ(LinesOf(DeriveOffcuts(Records({outline, piece, Rec(2, -1, 1, 0, 0, 500, 1000, 1),
                                           Rec(2, -4, 1, 0, 0, 500, 1000, 1)}),
                                  0, {})),
            (Lines{"2,1000,500,1,\"\""}));
}

TEST(OffcutClipping, WrittenFreeAreasClipLaterOnesButUnwrittenOnesDoNot) {
  // Two free areas overlapping in one corner: the second loses the shared corner. A sliver
  // narrower than the kerf is not written and so does not clip the third.
  const AreaList records =
      Records({Rec(1, -1, 1, 0, 0, 1000, 1000, 2), Rec(1, -4, 1, 0, 500, 600, 1000, 2),
               Rec(1, -4, 1, 400, 0, 1000, 700, 2), Rec(1, -4, 1, 0, 0, 2, 300, 2),
               Rec(1, -4, 1, 0, 0, 300, 400, 2)});
  const auto rows = DeriveOffcuts(records, 5, {});
  // Second, (400,0)-(1000,700) against the first (0,500)-(600,1000): no left part, the top
  // part (400,0)-(1000,500) = 300000 beats the right part (600,0)-(1000,700) = 280000.
  // The third keeps its 295 width: the unwritten sliver (0,0)-(2,300) did not clip it.
  EXPECT_EQ(LinesOf(rows), (Lines{"1,595,495,2,\"\"", "1,595,495,2,\"\"", "1,395,295,2,\"\""}));
}

// --- scrap.dat and offcut.tlf --------------------------------------------------------------

class OffcutFiles : public testing::InWorkDir {};

TEST_F(OffcutFiles, ScrapLimitsInEitherOrderFromTheFirstRecord) {
  for (const char* text : {"\"100\",\"500\"\r\n\"9000\",\"9000\"\r\n", "\"500\",\"100\"\r\n"}) {
    WriteFile("scrap.dat", text);
    EXPECT_EQ(ReadScrapLimits().length, 500.0f) << text;
    EXPECT_EQ(ReadScrapLimits().width, 100.0f) << text;
  }
}

// --- Export records ------------------------------------------------------------------------

TEST_F(OffcutFiles, ExportAppendsOneLibraryRecordPerRowAndTheStockConsumption) {
  WriteFile("mlm.dat", "\"AL\",\"\",\"1\",\"2000\",\"1000\",\"3\",\"\"\r\n");
  WriteFile("sheets.Adj", "\"2500\",\"1250\",\"2\",\"BAY 1\"\r\n\r\n");
  Grid grid;
  grid.SetColumnCount(6);
  grid.SetRowCount(3);
  const std::vector<std::vector<std::string>> rows = {{"1", "1000", "300", "4", ""},
                                                      {"2", "1005", "5", "3", "SCRAP"}};
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 5; ++c) grid.SetText(r, c, rows[size_t(r - 1)][size_t(c - 1)]);
  }
  ASSERT_TRUE(AppendExportRecords(grid, "MS", "S275", "2"));
  EXPECT_EQ(testing::ReadFile("mlm.dat"),
            "\"AL\",\"\",\"1\",\"2000\",\"1000\",\"3\",\"\"\r\n"
            "\"MS\",\"S275\",\"2\",\"1000\",\"300\",\"4\",\"\"\r\n"
            "\"MS\",\"S275\",\"2\",\"1005\",\"5\",\"3\",\"SCRAP\"\r\n"
            "\"MS\",\"S275\",\"2\",\"2500\",\"1250\",\"-2\",\"BAY 1\"\r\n");
}

}  // namespace
}  // namespace trimora
